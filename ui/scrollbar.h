#pragma once
// A horizontal scroll bar with the classic names. Assigning a position clamps
// it into Min..Max first and changes nothing (and signals nothing) when the
// bar already holds it; an arrow click and a trough click both move it by 1.

#include <QScrollBar>

class TScrollBar : public QScrollBar {
public:
    TScrollBar(int min, int max, int position, QWidget *parent = nullptr);

    int Position() const { return value(); }
    void setPosition(int position) { setValue(position); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
};
