// Commands of the pattern files, the exports, printing and the extras. Each
// moves into its own file when it is built; until then it does nothing.

#include "app/fretcard1.h"

void TForm1::Button1Click() {}
void TForm1::Button2Click() {}
void TForm1::Button8Click() {}
