#pragma once

// Makes the program speak Italian whatever the system's language: its own texts from the built-in
// translation, Qt's dialogs and messages from Qt's translations where they are installed, numbers
// in Italian form. Call once, after the application object exists.
void InstallTranslators();
