#pragma once

#include <QString>

// The working files (the accepted photo, its resampled copy, the sheets) go into the application
// folder when this user may write there, as in a portable copy; otherwise, as in a copy installed
// for every user of the machine, into the user's own data folder, which only they may enter and
// whose new files only they may read.

// Decides the working folder for the application folder as it is now; the program does so once,
// at start. The user's data folder is created, mode 0700, when the working files go there.
void DecideWorkingFolder();

QString WorkingFolder();

// A working file, by its name.
QString WorkingFile(const QString& name);

// True when the working files go into the user's data folder: they are made for the user alone.
bool WorkingFilesArePrivate();
