// --connect: the Kern at which each word's letters are one piece, checked on
// the cut lines by readers nobody here wrote, and the VPos that stands them
// in the bar, checked on the picture.
#include "export_test_support.h"
#include "support/cutlinescheck.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>

using namespace exporttest;

namespace {
constexpr double kMarkShare = 1.0 / 20;

std::optional<int> SetTo(const QString &errors, const QString &what)
{
    const QRegularExpressionMatch match =
        QRegularExpression(what + QStringLiteral(" set to (-?\\d+)")).match(errors);
    return match.hasMatch() ? std::optional(match.captured(1).toInt()) : std::nullopt;
}

// The parts the wood of a DXF's pieces falls into where joins narrower than
// `leastWidth` (inches) give way, dots and accents aside: parts smaller than a
// twentieth of a word, the words being about equally large.
int PartsOf(const QString &dxf, double leastWidth, int words)
{
    const QJsonObject joined = cutcheck::Run({QStringLiteral("joined"), dxf, QString::number(leastWidth)});
    const double mark = joined["area"].toDouble() / words * kMarkShare;
    int count = 0;
    for (const QJsonValue &part : joined["parts"].toArray())
        count += part.toDouble() >= mark;
    return count;
}

struct TName {
    QString text;
    QString font;
    int words;
};
} // namespace

TEST(Connect, EachWordIsOnePieceAndOneKernMoreLeavesItInSeveral)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "ezdxf and shapely are not installed";
    QTemporaryDir dir;
    // The script face's hairlines are thinner than 1/16 in: the letters'
    // own thin strokes would read as parts, so its joins are held to 0.04 in.
    const std::pair<TName, double> cases[] = {
        {{"Scroll Saw", "Fretcard Gothic", 2}, 0.0625},
        {{"Jonathan", "Dancing Script", 1}, 0.04},
        {{"Sophie", "Dancing Script", 1}, 0.04},
        {{"Lily", "Dancing Script", 1}, 0.04},
    };
    for (const auto &[name, leastWidth] : cases) {
        SCOPED_TRACE(name.text.toStdString());
        const QStringList common{"--text", name.text, "--font", name.font, "--size", "80", "--hpos", "20", "--blank",
                                 "10inx2in", "--least-width", QString::number(leastWidth) + "in", "--format", "dxf"};
        const QString joined = dir.filePath(name.text + ".dxf");
        const TRunResult run = RunExporter(common + QStringList{"--connect", "--output", joined});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const std::optional<int> kern = SetTo(run.errors, "Kern");
        ASSERT_TRUE(kern) << run.errors.toStdString();
        EXPECT_EQ(PartsOf(joined, leastWidth, name.words), name.words);

        const QString apart = dir.filePath(name.text + "-apart.dxf");
        ASSERT_EQ(RunExporter(common + QStringList{"--kern", QString::number(*kern + 1), "--output", apart}).exitCode, 0);
        EXPECT_GT(PartsOf(apart, leastWidth, name.words), name.words) << "at Kern " << *kern + 1;
    }
}

namespace {
// The lowest ink row of each letter of a filled picture, letters being the
// black shapes of 8-connected pixels.
std::vector<int> LowestRowsOfLetters(const QImage &picture)
{
    std::vector<int> lowest;
    std::vector<bool> seen(std::size_t(picture.width()) * picture.height());
    const auto ink = [&](QPoint p) { return picture.rect().contains(p) && qGray(picture.pixel(p)) < 128; };
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (seen[std::size_t(y) * picture.width() + x] || !ink({x, y}))
                continue;
            int bottom = y;
            std::deque<QPoint> open{{x, y}};
            seen[std::size_t(y) * picture.width() + x] = true;
            while (!open.empty()) {
                const QPoint p = open.front();
                open.pop_front();
                bottom = std::max(bottom, p.y());
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        const std::size_t i = std::size_t(q.y()) * picture.width() + q.x();
                        if (ink(q) && !seen[i])
                            seen[i] = true, open.push_back(q);
                    }
            }
            lowest.push_back(bottom);
        }
    return lowest;
}
} // namespace

TEST(Connect, WithABaseBarEveryLetterStandsTheLeastWidthIntoItAndNotAPixelMore)
{
    QTemporaryDir dir;
    const QStringList common{"--text", "Scroll Saw", "--blank", "960x144", "--no-outline", "--no-page-outline"};
    const TRunResult run = RunExporter(common + QStringList{"--base", "--connect", "--format", "svg", "--output",
                                                            dir.filePath("bar.svg")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const std::optional<int> kern = SetTo(run.errors, "Kern"), vpos = SetTo(run.errors, "VPos");
    ASSERT_TRUE(kern && vpos) << run.errors.toStdString();
    // The letters alone, apart (their bottoms do not depend on the Kern), at
    // the VPos chosen and one above it; the bar's top lies 35 px above the
    // blank's bottom, and 1/16 in is 6 px: ink on 6 rows of the bar.
    constexpr int kBarTop = 144 - 35, kLeastWidth = 6;
    for (const int shift : {0, -1}) {
        const QString bmp = dir.filePath(QStringLiteral("letters%1.bmp").arg(shift));
        ASSERT_EQ(RunExporter(common + QStringList{"--vpos", QString::number(*vpos + shift), "--format", "bmp",
                                                   "--output", bmp})
                      .exitCode,
                  0);
        const std::vector<int> lowest = LowestRowsOfLetters(QImage(bmp));
        ASSERT_EQ(lowest.size(), 9u) << "S, c, r, o, l, l, S, a, w";
        const int shallowest = *std::min_element(lowest.begin(), lowest.end());
        if (shift == 0)
            EXPECT_GE(shallowest, kBarTop + kLeastWidth - 1);
        else
            EXPECT_LT(shallowest, kBarTop + kLeastWidth - 1);
    }
}

TEST(Connect, LettersNoKernJoinsAreNamedAndThatPatternIsNotWritten)
{
    QTemporaryDir dir;
    const TRunResult run =
        RunExporter({"--text", "Hi =", "--connect", "--format", "svg", "--output", dir.filePath("x.svg")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("Not written: %1: No Kern from -100 to 100 joins the letters of "
                                                   "every word: \"=\" in \"=\" stays apart.")
                                        .arg(dir.filePath("x.svg"))))
        << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.svg")));
    EXPECT_EQ(Refusal({"--connect", "--kern", "-5", "--output", "a.svg"}),
              "--kern and --connect both set the Kern; give one of them.");
}
