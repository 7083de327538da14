#include "ui/linklabel.h"
#include "ui/links.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        label.setText(QStringLiteral("Kerfhaven"));
        label.setURL(QString::fromLatin1(Links::WebLog));
        label.resize(80, 20);
        label.setOpener([this](const QUrl &url) {
            opened.append(url);
            return openerSucceeds;
        });
    }
    void Enter()
    {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(&label, &event);
    }
    void Leave()
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&label, &event);
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(type, at, label.mapToGlobal(at), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }
    void Click(QPoint at = QPoint(10, 10)) { Mouse(QEvent::MouseButtonPress, at), Mouse(QEvent::MouseButtonRelease, at); }

    // Pixels of pure, saturated blue: the hot colour, never the navy one.
    int BrightBluePixels()
    {
        const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.blue() > 200 && c.red() < 60 && c.green() < 60;
            }
        return count;
    }

    LinkLabel label;
    QList<QUrl> opened;
    bool openerSucceeds = true;
};

} // namespace

TEST_F(LinkLabelTest, StartsNavySmallWithHandCursorAndCustomEmptyPrefix)
{
    LinkLabel fresh;
    EXPECT_EQ(fresh.font().pixelSize(), 11);
    EXPECT_TRUE(fresh.font().family() == QStringLiteral("Tahoma")
                || fresh.font().family() == QStringLiteral("Arial"));
    EXPECT_FALSE(fresh.font().underline());
    EXPECT_EQ(fresh.palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(fresh.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(fresh.URLType(), utCustom);
    EXPECT_TRUE(fresh.CustomURLType().isEmpty());
    EXPECT_TRUE(fresh.DetectMouse());
}

TEST_F(LinkLabelTest, MouseOverTurnsBlueAndUnderlinedThenBack)
{
    EXPECT_EQ(BrightBluePixels(), 0);
    Enter();
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label.font().underline());
    EXPECT_GT(BrightBluePixels(), 20);
    Leave();
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_FALSE(label.font().underline());
    EXPECT_EQ(BrightBluePixels(), 0);

    label.setUnderlineOnEnter(false);
    Enter();
    EXPECT_FALSE(label.font().underline());
    Leave();
    label.setDetectMouse(false);
    Enter();
    EXPECT_FALSE(label.IsHot());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

TEST_F(LinkLabelTest, ClickOpensTheAddressOnce)
{
    Click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toString(), QStringLiteral("https://www.kerfhaven.net/blog/"));
}

TEST_F(LinkLabelTest, OnlyALeftClickOnTheLabelOpens)
{
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10));
    Mouse(QEvent::MouseButtonRelease, QPoint(200, 10)); // dragged off the label
    Mouse(QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(10, 10), Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(10, 10)); // release without press
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(LinkLabelTest, AddressIsPrefixThenUrl)
{
    label.setURL(QStringLiteral("www.kerfhaven.net/"));
    label.setURLType(utHttp);
    EXPECT_EQ(label.Address().toString(), QStringLiteral("http://www.kerfhaven.net/"));
    label.setURL(QString::fromLatin1(Links::MakerEmail));
    label.setURLType(utMailto);
    EXPECT_EQ(label.Address().toString(), QStringLiteral("mailto:fretcards@kerfhaven.net"));
    label.setURLType(utCustom);
    label.setCustomURLType(QStringLiteral("https://"));
    label.setURL(QStringLiteral("www.kerfhaven.net/donate/"));
    EXPECT_EQ(label.Address().toString(), QString::fromLatin1(Links::Donation));
}

TEST_F(LinkLabelTest, AddressNothingCouldOpenIsSignalled)
{
    QList<QUrl> failed;
    QObject::connect(&label, &LinkLabel::OpenFailed, [&](const QUrl &url) { failed.append(url); });
    openerSucceeds = false;
    Click();
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed[0], QUrl(QString::fromLatin1(Links::WebLog)));

    label.setURL(QString());
    Click();
    EXPECT_EQ(opened.size(), 1); // an empty address is never handed on
    EXPECT_EQ(failed.size(), 2);
}
