#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "FaceCheck.h"

// Says in plain Italian what the preview's border means and, after it, the photo's faults; the
// first line says what to do first.
QStringList FramingAdvice(const FaceReport& report);

// The photo's faults in a few words for the line beside the preview: the first, and an ellipsis
// for more; empty for none.
QString FaultsInBrief(const std::vector<PhotoFault>& faults);
