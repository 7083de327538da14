#include "ui/globalhotkey.h"

#include "core/errors.h"
#include "tests/ui/extras_keyboard.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <memory>

using extras_test::PressKey;
using extras_test::WaitForActive;

namespace {

// Stands in for the main window: a text box and the seven bars, wired the
// way the main window wires its hot keys.
class StandInWindow : public QWidget {
public:
    static constexpr int kBars = 7;
    QLineEdit *Edit1;
    std::array<QScrollBar *, kBars> Bars{}; // Bars[0] is ScrollBar1
    std::array<TGlobalHotKey *, kBars> HotKeys{};
    std::vector<QString> Errors;

    explicit StandInWindow(THotKeyRegistry *registry)
    {
        auto *layout = new QVBoxLayout(this);
        Edit1 = new QLineEdit(QStringLiteral("Scroll Saw"), this);
        layout->addWidget(Edit1);
        for (int i = 0; i < kBars; ++i) {
            Bars[i] = new QScrollBar(Qt::Horizontal, this);
            Bars[i]->setRange(0, 500);
            Bars[i]->setSingleStep(1);
            Bars[i]->setPageStep(1);
            // QScrollBar inverts the arrow keys by default; the program's
            // bars move right on the right arrow.
            Bars[i]->setInvertedControls(false);
            Bars[i]->setFocusPolicy(Qt::StrongFocus);
            layout->addWidget(Bars[i]);
        }
        const std::array<std::pair<quint16, int>, kBars> table{{
            {BarHotKeys::FontSize, 1}, {BarHotKeys::BlankWidth, 2}, {BarHotKeys::BlankHeight, 3},
            {BarHotKeys::VPos, 4}, {BarHotKeys::HPos, 6}, {BarHotKeys::Kerning, 7},
            {BarHotKeys::Corners, 5},
        }};
        for (int i = 0; i < kBars; ++i) {
            QScrollBar *bar = Bars[table[i].second - 1];
            HotKeys[i] = new TGlobalHotKey(this, registry);
            HotKeys[i]->setGuard([this](const std::function<void()> &command) {
                try {
                    command();
                } catch (const std::exception &error) {
                    Errors.push_back(HotKeyErrorText(QString::fromUtf8(error.what())));
                }
            });
            HotKeys[i]->OnKeyDown = [bar](TGlobalHotKey *, quint16, Qt::KeyboardModifiers) {
                FocusControl(bar);
            };
            HotKeys[i]->setHotKey(table[i].first);
        }
    }
};

class HotKeyWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry = std::make_unique<THotKeyRegistry>();
        window = std::make_unique<StandInWindow>(registry.get());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(WaitForActive(window.get()));
        window->Edit1->setFocus();
        window->Edit1->selectAll();
    }
    void TearDown() override
    {
        window.reset();
        registry.reset();
    }
    QScrollBar *Bar(int number) const { return window->Bars[number - 1]; }

    std::unique_ptr<THotKeyRegistry> registry;
    std::unique_ptr<StandInWindow> window;
};

QKeyCombination Ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}

} // namespace

TEST(ShortcutCodeTest, SplitsVirtualKeyAndModifiers)
{
    EXPECT_EQ(ShortcutCode::ToKeyCombination(0x4046), QKeyCombination(Qt::ControlModifier, Qt::Key_F));
    EXPECT_EQ(ShortcutCode::ToKeyCombination(0x4043), QKeyCombination(Qt::ControlModifier, Qt::Key_C));
    EXPECT_EQ(ShortcutCode::ToKeyCombination(0xA031),
              QKeyCombination(Qt::ShiftModifier | Qt::AltModifier, Qt::Key_1));
    EXPECT_EQ(ShortcutCode::ToKeyCombination(0x0071), QKeyCombination(Qt::Key_F2));
    EXPECT_EQ(ShortcutCode::ToKeyCombination(0x4000 | 0xFF).key(), Qt::Key(0));
}

TEST(HotKeyRegistrationTest, FollowsHotKeyAndActive)
{
    THotKeyRegistry registry;
    auto key = std::make_unique<TGlobalHotKey>(nullptr, &registry);
    EXPECT_TRUE(key->Active());
    EXPECT_FALSE(key->IsRegistered());

    key->setHotKey(BarHotKeys::BlankWidth);
    EXPECT_TRUE(key->IsRegistered());
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_W)), key.get());

    key->setHotKey(BarHotKeys::Kerning); // moving to another key frees the old one
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_W)), nullptr);
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_K)), key.get());

    key->setActive(false);
    EXPECT_FALSE(key->IsRegistered());
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_K)), nullptr);
    EXPECT_EQ(key->HotKey(), BarHotKeys::Kerning);

    key->setActive(true);
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_K)), key.get());

    key->setHotKey(0);
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_K)), nullptr);

    key->setHotKey(BarHotKeys::Corners);
    key.reset();
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_C)), nullptr);
    TGlobalHotKey next(nullptr, &registry);
    next.setHotKey(BarHotKeys::Corners);
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_C)), &next) << "a key gone frees its combination";
}

TEST(HotKeyRegistrationTest, InactiveKeyRegistersOnlyWhenActivated)
{
    THotKeyRegistry registry;
    TGlobalHotKey key(nullptr, &registry);
    key.setActive(false);
    key.setHotKey(BarHotKeys::FontSize);
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_F)), nullptr);
    key.setActive(true);
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_F)), &key);
}

TEST(HotKeyRegistrationTest, RefusedKeyIsIgnoredAndFirstOwnerKeepsIt)
{
    THotKeyRegistry registry;
    TGlobalHotKey first(nullptr, &registry), second(nullptr, &registry), unknown(nullptr, &registry);
    first.setHotKey(BarHotKeys::Corners);
    second.setHotKey(BarHotKeys::Corners);
    unknown.setHotKey(ShortcutCode::Ctrl | 0xFF);
    EXPECT_TRUE(first.IsRegistered());
    EXPECT_FALSE(second.IsRegistered());
    EXPECT_FALSE(unknown.IsRegistered());
    EXPECT_EQ(second.HotKey(), BarHotKeys::Corners);
    second.setActive(false); // unregistering a refused key must not free the other's
    EXPECT_EQ(registry.OwnerOf(Ctrl(Qt::Key_C)), &first);
}

TEST(HotKeyRegistrationTest, OneRegistryPerApplication)
{
    THotKeyRegistry *registry = THotKeyRegistry::ForApplication();
    EXPECT_EQ(THotKeyRegistry::ForApplication(), registry);
    EXPECT_EQ(registry->parent(), qApp);
    TGlobalHotKey key;
    key.setHotKey(BarHotKeys::FontSize);
    EXPECT_EQ(registry->OwnerOf(Ctrl(Qt::Key_F)), &key);
}

TEST_F(HotKeyWindowTest, EachKeyFocusesItsBar)
{
    const std::array<std::pair<Qt::Key, int>, 7> keys{{
        {Qt::Key_F, 1}, {Qt::Key_W, 2}, {Qt::Key_H, 3}, {Qt::Key_T, 4},
        {Qt::Key_P, 6}, {Qt::Key_K, 7}, {Qt::Key_C, 5},
    }};
    for (const auto &[key, bar] : keys) {
        window->Edit1->setFocus();
        PressKey(QApplication::focusWidget(), key, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), Bar(bar)) << "Ctrl+" << char(key);
    }
    EXPECT_TRUE(window->Errors.empty());
}

TEST_F(HotKeyWindowTest, ArrowKeysMoveWidthByOneAfterCtrlW)
{
    Bar(2)->setValue(200);
    PressKey(window->Edit1, Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Bar(2));
    PressKey(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(Bar(2)->value(), 201);
    PressKey(QApplication::focusWidget(), Qt::Key_Left);
    PressKey(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(Bar(2)->value(), 199);
}

TEST_F(HotKeyWindowTest, CtrlCInsideTextBoxFocusesCornersAndCopiesNothing)
{
    QApplication::clipboard()->setText(QStringLiteral("before"));
    PressKey(window->Edit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Bar(5));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("Scroll Saw"));
}

TEST_F(HotKeyWindowTest, KeysNotRegisteredReachTheTextBox)
{
    QApplication::clipboard()->setText(QStringLiteral("before"));
    window->HotKeys[6]->setActive(false); // Ctrl+C released
    PressKey(window->Edit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), window->Edit1);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Scroll Saw"));
    // Ctrl+Shift+W is another key than Ctrl+W.
    PressKey(window->Edit1, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window->Edit1);
}

TEST_F(HotKeyWindowTest, HiddenBarReportsErrorAndChangesNothing)
{
    Bar(4)->hide(); // Multiline on hides both position bars
    Bar(6)->hide();
    PressKey(window->Edit1, Qt::Key_T, Qt::ControlModifier);
    PressKey(window->Edit1, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(window->Errors.size(), 2u);
    EXPECT_EQ(window->Errors[0], QStringLiteral("Cannot focus a disabled or invisible window."));
    EXPECT_EQ(window->Errors[1], window->Errors[0]);
    EXPECT_EQ(QApplication::focusWidget(), window->Edit1);
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("Scroll Saw"));

    Bar(7)->setEnabled(false);
    PressKey(window->Edit1, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(window->Errors.size(), 3u);
}

TEST_F(HotKeyWindowTest, HandlerReceivesSenderKeyAndShiftState)
{
    TGlobalHotKey *sender = nullptr;
    quint16 key = 0;
    Qt::KeyboardModifiers shift;
    window->HotKeys[0]->OnKeyDown = [&](TGlobalHotKey *s, quint16 k, Qt::KeyboardModifiers m) {
        sender = s, key = k, shift = m;
    };
    PressKey(window->Edit1, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(sender, window->HotKeys[0]);
    EXPECT_EQ(key, 0x46);
    EXPECT_EQ(shift, Qt::ControlModifier);
}

TEST_F(HotKeyWindowTest, KeyInAnotherWindowOfTheProgramActivatesTheMainWindow)
{
    QWidget other;
    auto *otherEdit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(WaitForActive(&other));
    otherEdit->setFocus();

    PressKey(otherEdit, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(WaitForActive(window.get()));
    EXPECT_EQ(window->focusWidget(), Bar(3));
}

TEST_F(HotKeyWindowTest, ModalDialogKeepsItsOwnKeys)
{
    QDialog dialog(window.get());
    auto *dialogEdit = new QLineEdit(QStringLiteral("file name"), &dialog);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTimer::singleShot(0, &dialog, [&] {
        dialogEdit->setFocus();
        dialogEdit->selectAll();
        PressKey(dialogEdit, Qt::Key_C, Qt::ControlModifier);
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("file name"));
    EXPECT_NE(window->focusWidget(), Bar(5));
}
