// Commands of the pattern files, the exports, printing and the extras. Each
// moves into its own file when it is built; until then it does nothing.

#include "app/fretcard1.h"

void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::Button3Click() {}
void TForm1::Button8Click() {}
void TForm1::Button9Click() {}
void TForm1::Open1Click() { Button3Click(); }
void TForm1::SaveAs1Click() { Button9Click(); }
