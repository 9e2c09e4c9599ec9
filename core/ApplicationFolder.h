#pragma once

#include <QString>

// The folder that holds the executable: the program reads its pictures from it and writes its
// working files into it.
QString ApplicationFolder();

// A file in the application folder, named as a relative path with forward slashes
// ("CacheBottoni/ok.jpg"), letter case as written.
QString ApplicationFile(const QString& relativePath);

// Tests run the program against a temporary folder of their own.
void SetApplicationFolder(const QString& folder);
