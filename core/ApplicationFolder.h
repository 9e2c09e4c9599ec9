#pragma once

#include <QString>

// The folder that holds the executable: the program reads its pictures from it, and writes its
// working files into it when it may (WorkingFolder.h).
QString ApplicationFolder();

// A file in the application folder, named as a relative path with forward slashes
// ("CacheBottoni/ok.jpg"), letter case as written.
QString ApplicationFile(const QString& relativePath);

// Tests run the program against a temporary folder of their own; the working folder is decided
// again for it, as at a start.
void SetApplicationFolder(const QString& folder);
