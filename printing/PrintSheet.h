#pragma once

class CommonDialog;
class ImageEdit;

// Printing starts here: asks for a printer and copy count through `dialog`, writes the sheet shown
// on `sheet` as FotoGruppo.jpg and prints it at true size, then makes the printer that was current
// before the dialog current again. A cancel raises 32755 before anything is written or printed.
void PrintSheet(ImageEdit& sheet, CommonDialog& dialog);
