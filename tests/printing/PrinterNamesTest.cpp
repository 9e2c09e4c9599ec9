#include <gtest/gtest.h>

#include "PrinterRuntime.h"

TEST(FirstPrinterNamed, FindsTheFirstExactNameInTheSystemsOrder)
{
    const QStringList installed {"Ufficio", "Stampa", "Stampa", "stampa"};
    const struct
    {
        const char* name;
        qsizetype index;
    } cases[] = {
        {"Ufficio", 0}, {"Stampa", 1}, {"stampa", 3}, {"STAMPA", -1}, {"Uff", -1}, {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstPrinterNamed(installed, QString::fromUtf8(c.name)), c.index) << c.name;
    EXPECT_EQ(FirstPrinterNamed({}, QStringLiteral("Stampa")), -1);
}
