// Commands of the pattern files, the exports, printing and the extras. Each
// moves into its own file when it is built; until then it does nothing.

#include "app/fretcard1.h"

void TForm1::Button3Click() {}
void TForm1::Button7Click() {}
void TForm1::Button9Click() {}
void TForm1::Open1Click() { Button3Click(); }
void TForm1::SaveAs1Click() { Button9Click(); }
void TForm1::About2Click() {}
void TForm1::Image2Click() {}
void TForm1::GlobalHotKey1KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
void TForm1::GlobalHotKey2KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
void TForm1::GlobalHotKey3KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
void TForm1::GlobalHotKey4KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
void TForm1::GlobalHotKey5KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
void TForm1::GlobalHotKey6KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
void TForm1::GlobalHotKey7KeyDown(QObject *, int, Qt::KeyboardModifiers) {}
