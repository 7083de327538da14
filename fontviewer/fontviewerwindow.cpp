#include "fontviewerwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {
const char *const kDefaultSample = "Scroll Saw Fretcards 0123456789";
constexpr int kListWidth = 260;
constexpr int kPreviewMinHeight = 220;
} // namespace

FontViewerWindow::FontViewerWindow(const QStringList &families, QWidget *parent)
    : QWidget(parent),
      m_families(new QStringListModel(families, this)),
      m_filtered(new QSortFilterProxyModel(this)),
      m_filter(new QLineEdit(this)),
      m_list(new QListView(this)),
      m_sample(new QLineEdit(QString::fromLatin1(kDefaultSample), this)),
      m_bold(new QCheckBox(QStringLiteral("&Bold"), this)),
      m_italic(new QCheckBox(QStringLiteral("&Italic"), this)),
      m_size(new QSpinBox(this)),
      m_preview(new QLabel(this)),
      m_count(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Font Viewer"));
    m_filtered->setSourceModel(m_families);
    m_filtered->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_list->setModel(m_filtered);
    // Thousands of names: equal rows let the view skip measuring each one,
    // and the names are drawn in the interface font; only the preview loads
    // the selected face.
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_filter->setPlaceholderText(QStringLiteral("Find a font"));
    m_filter->setClearButtonEnabled(true);
    m_size->setRange(kMinPointSize, kMaxPointSize);
    m_size->setValue(kDefaultPointSize);
    m_size->setSuffix(QStringLiteral(" pt"));
    m_preview->setWordWrap(true);
    m_preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_preview->setTextFormat(Qt::PlainText);
    m_preview->setMinimumHeight(kPreviewMinHeight);
    m_preview->setAutoFillBackground(true);
    QPalette paper = m_preview->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    m_preview->setPalette(paper);

    BuildLayout();

    connect(m_filter, &QLineEdit::textChanged, this, &FontViewerWindow::ApplyFilter);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FontViewerWindow::UpdatePreview);
    connect(m_sample, &QLineEdit::textChanged, this, &FontViewerWindow::UpdatePreview);
    connect(m_bold, &QCheckBox::toggled, this, &FontViewerWindow::UpdatePreview);
    connect(m_italic, &QCheckBox::toggled, this, &FontViewerWindow::UpdatePreview);
    connect(m_size, &QSpinBox::valueChanged, this, &FontViewerWindow::UpdatePreview);

    if (m_filtered->rowCount() > 0)
        m_list->setCurrentIndex(m_filtered->index(0, 0));
    UpdatePreview();
    UpdateCount();
}

void FontViewerWindow::BuildLayout()
{
    auto *left = new QVBoxLayout;
    left->addWidget(m_filter);
    left->addWidget(m_list, 1);
    left->addWidget(m_count);
    m_list->setMinimumWidth(kListWidth);

    auto *controls = new QHBoxLayout;
    auto *sampleCaption = new QLabel(QStringLiteral("&Sample:"), this);
    sampleCaption->setBuddy(m_sample);
    controls->addWidget(sampleCaption);
    controls->addWidget(m_sample, 1);
    controls->addWidget(m_bold);
    controls->addWidget(m_italic);
    auto *sizeCaption = new QLabel(QStringLiteral("Si&ze:"), this);
    sizeCaption->setBuddy(m_size);
    controls->addWidget(sizeCaption);
    controls->addWidget(m_size);

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(m_preview);
    scroll->setWidgetResizable(true);

    auto *right = new QVBoxLayout;
    right->addLayout(controls);
    right->addWidget(scroll, 1);

    auto *outer = new QHBoxLayout(this);
    outer->addLayout(left);
    outer->addLayout(right, 1);
}

QString FontViewerWindow::SelectedFamily() const
{
    return m_list->currentIndex().data().toString();
}

void FontViewerWindow::SelectFamily(const QString &family)
{
    const QModelIndexList found =
        m_filtered->match(m_filtered->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchFixedString);
    if (!found.isEmpty())
        m_list->setCurrentIndex(found.first());
}

QStringList FontViewerWindow::VisibleFamilies() const
{
    QStringList names;
    for (int row = 0; row < m_filtered->rowCount(); ++row)
        names.append(m_filtered->index(row, 0).data().toString());
    return names;
}

void FontViewerWindow::ApplyFilter(const QString &text)
{
    const QString kept = SelectedFamily();
    m_filtered->setFilterFixedString(text);
    SelectFamily(kept);
    if (!m_list->currentIndex().isValid() && m_filtered->rowCount() > 0)
        m_list->setCurrentIndex(m_filtered->index(0, 0));
    UpdatePreview();
    UpdateCount();
}

void FontViewerWindow::UpdatePreview()
{
    const QString family = SelectedFamily();
    if (family.isEmpty()) {
        m_preview->setFont(font());
        m_preview->setText(QStringLiteral("No font matches."));
        return;
    }
    QFont face(family);
    face.setPointSize(m_size->value());
    face.setBold(m_bold->isChecked());
    face.setItalic(m_italic->isChecked());
    m_preview->setFont(face);
    m_preview->setText(m_sample->text());
}

void FontViewerWindow::UpdateCount()
{
    const int shown = m_filtered->rowCount();
    const int all = m_families->rowCount();
    m_count->setText(shown == all ? QStringLiteral("%1 font families").arg(all)
                                  : QStringLiteral("%1 of %2 font families").arg(shown).arg(all));
}
