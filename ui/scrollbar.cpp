#include "ui/scrollbar.h"

namespace {
constexpr int kSmallChange = 1;
constexpr int kLargeChange = 1;
} // namespace

TScrollBar::TScrollBar(int min, int max, int position, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setRange(min, max);
    setValue(position);
    setSingleStep(kSmallChange);
    setPageStep(kLargeChange);
    // Hot keys and Tab put the focus on a bar; the arrow keys then move it.
    setFocusPolicy(Qt::StrongFocus);
}
