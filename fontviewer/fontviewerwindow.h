#pragma once
// The font viewer: every installed family in a list, a sample line shown
// large in the selected family, with bold, italic and size controls.

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QSortFilterProxyModel;
class QSpinBox;
class QStringListModel;

class FontViewerWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultPointSize = 36;
    static constexpr int kMinPointSize = 6;
    static constexpr int kMaxPointSize = 200;

    // `families` as the font database lists them; shown sorted as given.
    explicit FontViewerWindow(const QStringList &families, QWidget *parent = nullptr);

    QLineEdit *FilterEdit() const { return m_filter; }
    QListView *FamilyList() const { return m_list; }
    QLineEdit *SampleEdit() const { return m_sample; }
    QCheckBox *BoldBox() const { return m_bold; }
    QCheckBox *ItalicBox() const { return m_italic; }
    QSpinBox *SizeBox() const { return m_size; }
    QLabel *Preview() const { return m_preview; }

    QString SelectedFamily() const;
    void SelectFamily(const QString &family);
    QStringList VisibleFamilies() const;

private:
    void BuildLayout();
    void ApplyFilter(const QString &text);
    void UpdatePreview();
    void UpdateCount();

    QStringListModel *m_families;
    QSortFilterProxyModel *m_filtered;
    QLineEdit *m_filter;
    QListView *m_list;
    QLineEdit *m_sample;
    QCheckBox *m_bold;
    QCheckBox *m_italic;
    QSpinBox *m_size;
    QLabel *m_preview;
    QLabel *m_count;
};
