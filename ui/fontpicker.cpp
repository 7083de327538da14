#include "ui/fontpicker.h"

#include "render/font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>
#include <utility>

namespace {
// Regular, Italic, Bold, Bold Italic, in the order the style list shows them.
constexpr std::array<TFontStyles, 4> kStyleChoices{0, fsItalic, fsBold, fsBold | fsItalic};
constexpr TFontStyles kStyleMask = fsBold | fsItalic;
constexpr int kLargestSize = 1638;
constexpr int kSwatchSize = 12;
constexpr int kSampleHeight = 60;
constexpr quint8 kSymbolCharset = 2;

const std::array<std::pair<const char *, TColor>, 16> kColorChoices{{
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000}, {"Purple", 0x800080}, {"Teal", 0x808000}, {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF}, {"Lime", 0x00FF00}, {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000}, {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
}};

// A caption whose underlined letter moves the focus to `buddy`.
QLabel *BuddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QIcon Swatch(TColor color)
{
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(ColorToQColor(color));
    return QIcon(pixmap);
}
} // namespace

TFontPickerDialog::TFontPickerDialog(const TFont &initial, QWidget *parent)
    : QDialog(parent),
      m_face(new QFontComboBox(this)),
      m_style(new QComboBox(this)),
      m_size(new QSpinBox(this)),
      m_underline(new QCheckBox(tr("&Underline"), this)),
      m_strikeOut(new QCheckBox(tr("Stri&keout"), this)),
      m_color(new QComboBox(this)),
      m_script(new QComboBox(this)),
      m_sample(new QLabel(tr("AaBbYyZz"), this))
{
    setWindowTitle(tr("Font"));
    m_face->setFontFilters(QFontComboBox::ScalableFonts);
    m_face->setCurrentFont(QFont(initial.Name()));
    m_face->setEditable(true);
    m_face->setEditText(initial.Name());

    m_style->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});
    for (std::size_t i = 0; i < kStyleChoices.size(); ++i) {
        if (kStyleChoices[i] == (initial.Style() & kStyleMask))
            m_style->setCurrentIndex(int(i));
    }
    m_size->setRange(1, kLargestSize);
    m_size->setValue(qMax(1, initial.Size()));
    m_underline->setChecked(initial.Style() & fsUnderline);
    m_strikeOut->setChecked(initial.Style() & fsStrikeOut);
    BuildColorList(initial.Color());
    BuildScriptList(initial.Charset());

    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumHeight(kSampleHeight);
    m_sample->setFrameShape(QFrame::StyledPanel);

    auto *grid = new QGridLayout;
    grid->addWidget(BuddyLabel(tr("&Font:"), m_face), 0, 0);
    grid->addWidget(BuddyLabel(tr("Font st&yle:"), m_style), 0, 1);
    grid->addWidget(BuddyLabel(tr("&Size:"), m_size), 0, 2);
    grid->addWidget(m_face, 1, 0);
    grid->addWidget(m_style, 1, 1);
    grid->addWidget(m_size, 1, 2);

    auto *effects = new QGroupBox(tr("Effects"));
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(m_strikeOut);
    effectsLayout->addWidget(m_underline);
    effectsLayout->addWidget(BuddyLabel(tr("&Color:"), m_color));
    effectsLayout->addWidget(m_color);
    grid->addWidget(effects, 2, 0);

    auto *sampleBox = new QGroupBox(tr("Sample"));
    auto *sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(m_sample);
    sampleLayout->addWidget(BuddyLabel(tr("Sc&ript:"), m_script));
    sampleLayout->addWidget(m_script);
    grid->addWidget(sampleBox, 2, 1, 1, 2);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    for (QComboBox *box : {static_cast<QComboBox *>(m_face), m_style, m_color})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
    connect(m_face, &QComboBox::editTextChanged, this, [this] { UpdateSample(); });
    connect(m_size, &QSpinBox::valueChanged, this, [this] { UpdateSample(); });
    connect(m_underline, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    connect(m_strikeOut, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    UpdateSample();
}

void TFontPickerDialog::BuildColorList(TColor current)
{
    bool listed = false;
    for (const auto &[name, color] : kColorChoices) {
        m_color->addItem(Swatch(color), tr(name), QVariant::fromValue(color));
        listed = listed || color == current;
    }
    if (!listed) {
        // System colours such as the window text colour stay exactly as they
        // were unless the user picks another one.
        const QString label = current == clWindowText ? tr("Automatic") : tr("Custom");
        m_color->insertItem(0, Swatch(current), label, QVariant::fromValue(current));
    }
    m_color->setCurrentIndex(m_color->findData(QVariant::fromValue(current)));
}

void TFontPickerDialog::BuildScriptList(quint8 current)
{
    m_script->addItem(tr("Western"), ANSI_CHARSET);
    m_script->addItem(tr("Default"), DEFAULT_CHARSET);
    m_script->addItem(tr("Symbol"), kSymbolCharset);
    if (m_script->findData(current) < 0)
        m_script->addItem(tr("Character set %1").arg(current), current);
    m_script->setCurrentIndex(m_script->findData(current));
}

void TFontPickerDialog::StoreChoice(TFont &font) const
{
    TFont chosen(font);
    chosen.setName(m_face->currentText());
    chosen.setStyle(ChosenStyle());
    chosen.setSize(m_size->value());
    chosen.setColor(m_color->currentData().value<TColor>());
    chosen.setCharset(quint8(m_script->currentData().toUInt()));
    font.Assign(chosen);
}

TFontStyles TFontPickerDialog::ChosenStyle() const
{
    TFontStyles style = kStyleChoices[std::size_t(qMax(0, m_style->currentIndex()))];
    if (m_underline->isChecked())
        style |= fsUnderline;
    if (m_strikeOut->isChecked())
        style |= fsStrikeOut;
    return style;
}

void TFontPickerDialog::UpdateSample()
{
    TFont preview;
    preview.setName(m_face->currentText());
    preview.setSize(m_size->value());
    preview.setStyle(ChosenStyle());
    m_sample->setFont(preview.ToQFont());
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(m_color->currentData().value<TColor>()));
    m_sample->setPalette(palette);
}
