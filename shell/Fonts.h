#pragma once

// Maps the fonts the forms are designed in to their installed metric twins.
void InstallFontSubstitutes();
