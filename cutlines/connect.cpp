#include "cutlines/connect.h"

#include "cutlines/clipperpaths.h"
#include "cutlines/flatten.h"
#include "cutlines/cutlines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>

namespace {
using namespace CutPaths;

// A piece of a word smaller than this share of the word's area is a mark
// (a dot, an accent), which no kerning is meant to join.
constexpr double kMarkShare = 1.0 / 20;
// A letter stands on the baseline when it ends no higher above it than
// this share of its line's tallest letter: round letters dip below it, flat
// ones end on it, a hyphen or an apostrophe ends well above it.
constexpr double kBaselineReach = 0.1;
// A letter's own wood keeps this much further from the others than half
// the least width: far below anything a saw sees.
constexpr double kOwnWoodMargin = 1.0 / 16;

CL::Paths PathsOf(const QPainterPath &outline)
{
    CL::Paths paths;
    for (const QPolygonF &polygon : FlattenPath(outline, CutTolerancePixels))
        paths.push_back(ToPath(polygon));
    return paths;
}

double NetArea(const CL::Paths &region)
{
    double area = 0;
    for (const CL::Path &path : region)
        area += CL::Area(path);
    return std::abs(area) / (Scale * Scale);
}

struct TWord {
    std::vector<const TLetterShape *> letters;
    CL::Paths region;
    double area = 0;
};

std::map<int, TWord> WordsOf(const TPatternLetters &shapes)
{
    std::map<int, TWord> words;
    for (const TLetterShape &letter : shapes.letters)
        words[letter.word].letters.push_back(&letter);
    return words;
}

QString WordText(const TWord &word)
{
    QString text;
    for (const TLetterShape *letter : word.letters)
        text += letter->text;
    return text;
}

CL::Paths UnionOf(const std::vector<CL::Paths> &parts, std::size_t except = SIZE_MAX)
{
    CL::Paths all;
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (i != except)
            all.insert(all.end(), parts[i].begin(), parts[i].end());
    return Combine(all, {}, CL::ctUnion);
}

// The wood of a word that holds: its letters where a disc of the least
// width passes, welded across gaps the blade cannot cut, and what is each
// letter's own. A letter's own wood is kept however thin (a script face's
// hairlines are the face's business, told by the fragile spots); near
// another letter only wood the disc passes counts. "Near" is half the least
// width: no disc that fits reaches further into a thinner stroke, so a
// hairline that merely touches another letter joins nothing.
CL::Paths SoundWood(TWord &word, const TConnectWidths &widths)
{
    std::vector<CL::Paths> letters, reaches;
    for (const TLetterShape *letter : word.letters) {
        letters.push_back(Combine(PathsOf(letter->outline), {}, CL::ctUnion));
        reaches.push_back(RoundOffset(letters.back(), widths.leastWidth / 2 + kOwnWoodMargin));
    }
    word.region = UnionOf(letters);
    word.area = NetArea(word.region);
    const CL::Paths welded = widths.kerf > 0 ? Closed(word.region, widths.kerf / 2) : word.region;
    CL::Paths wood = Opened(welded, widths.leastWidth / 2 - ExactWidthAllowance);
    if (letters.size() == 1)
        return UnionOf({wood, letters.front()});
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const CL::Paths own = Combine(letters[i], UnionOf(reaches, i), CL::ctDifference);
        wood.insert(wood.end(), own.begin(), own.end());
    }
    return Combine(wood, {}, CL::ctUnion);
}

// The pieces of a word that are no marks, largest first.
std::vector<TPiecePaths> MainPieces(const CL::Paths &wood, double wordArea)
{
    std::vector<TPiecePaths> pieces = SeparatePieces(wood);
    std::erase_if(pieces, [wordArea](const TPiecePaths &piece) { return piece.area < wordArea * kMarkShare; });
    std::sort(pieces.begin(), pieces.end(), [](const auto &a, const auto &b) { return a.area > b.area; });
    return pieces;
}

// The word's wood is made first: it measures the word's area.
std::vector<TPiecePaths> MainPiecesOf(TWord &word, const TConnectWidths &widths)
{
    const CL::Paths wood = SoundWood(word, widths);
    return MainPieces(wood, word.area);
}

// Whether two words come nearer than the blade can cut between them.
bool Meet(const TWord &a, const TWord &b, const TConnectWidths &widths)
{
    const double reach = std::max(widths.kerf / 2, ExactWidthAllowance);
    const CL::Paths overlap = Combine(RoundOffset(a.region, reach), RoundOffset(b.region, reach), CL::ctIntersection);
    return !overlap.empty();
}

struct TJoinState {
    // The pieces beyond one each word has (1 for a word of which no wood
    // is sound): 0 when every word is one piece.
    int piecesApart = 0;
    // The first two neighbouring words that run into each other, if any.
    std::optional<std::pair<QString, QString>> wordsMeeting;
};

TJoinState JoinStateOf(const TPatternLetters &shapes, const TConnectWidths &widths)
{
    TJoinState state;
    std::map<int, TWord> words = WordsOf(shapes);
    const TWord *previous = nullptr;
    for (auto &[index, word] : words) {
        const std::size_t pieces = MainPiecesOf(word, widths).size();
        state.piecesApart += pieces == 0 ? 1 : int(pieces) - 1;
        if (previous && !state.wordsMeeting && Meet(*previous, word, widths))
            state.wordsMeeting.emplace(WordText(*previous), WordText(word));
        previous = &word;
    }
    return state;
}

// The letters of the words that are not one piece that lie outside each
// word's largest piece: for every other piece, the letter most of it
// belongs to.
std::vector<std::pair<QString, QString>> LettersApart(const TPatternLetters &shapes, const TConnectWidths &widths)
{
    std::vector<std::pair<QString, QString>> apart;
    std::map<int, TWord> words = WordsOf(shapes);
    for (auto &[index, word] : words) {
        const std::vector<TPiecePaths> pieces = MainPiecesOf(word, widths);
        for (std::size_t p = 1; p < pieces.size(); ++p) {
            const TLetterShape *owner = nullptr;
            double most = 0;
            for (const TLetterShape *letter : word.letters) {
                const double shared =
                    NetArea(Combine(PathsOf(letter->outline), pieces[p].paths, CL::ctIntersection));
                if (shared > most)
                    most = shared, owner = letter;
            }
            const std::pair<QString, QString> named(owner ? owner->text : QString(), WordText(word));
            if (owner && std::find(apart.begin(), apart.end(), named) == apart.end())
                apart.push_back(named);
        }
    }
    return apart;
}

// Half the narrowest letter: letters pulled together join, and pulled
// further they pass through each other and part again, but they stay
// joined over at least that many Kern steps.
int ScanStep(const TPatternLetters &shapes)
{
    double narrowest = std::numeric_limits<double>::max();
    for (const TLetterShape &letter : shapes.letters)
        if (const QRectF ink = letter.outline.boundingRect(); !ink.isEmpty())
            narrowest = std::min(narrowest, ink.width());
    return narrowest == std::numeric_limits<double>::max() ? 1 : std::max(1, int(narrowest / 2));
}

struct TKernSearch {
    std::optional<int> kern;
    // Without one: the Kern that came nearest, with the fewest pieces apart
    // while the words stayed apart, and the words that ran into each other
    // when that stopped the search.
    int nearest = PatternRanges::Kern.Max;
    std::optional<std::pair<QString, QString>> wordsMeeting;
};

// From the top of the range down, in steps no join can fall between, to
// the first Kern that joins every word; then halving the last step, where
// the letters only part as they move apart, to the largest. The Kern found
// joins and the one above it does not: both have been tried. Words only
// come nearer as the Kern falls: once two run into each other, no lower
// Kern can keep them apart.
TKernSearch LargestJoiningKern(const TLettersAtKern &lettersAt, const TConnectWidths &widths)
{
    constexpr PatternRange range = PatternRanges::Kern;
    TKernSearch search;
    const TPatternLetters widest = lettersAt(range.Max);
    const int step = ScanStep(widest);
    TJoinState state = JoinStateOf(widest, widths);
    int fewestApart = std::numeric_limits<int>::max();
    int kern = range.Max, parts = range.Max;
    while (state.piecesApart > 0 && !state.wordsMeeting) {
        if (state.piecesApart < fewestApart)
            fewestApart = state.piecesApart, search.nearest = kern;
        if (kern == range.Min)
            return search;
        parts = kern;
        kern = std::max(range.Min, kern - step);
        state = JoinStateOf(lettersAt(kern), widths);
    }
    // The words met before their letters joined: the letters apart are
    // those of the nearest try.
    if (state.piecesApart > 0)
        return search;
    while (parts - kern > 1) {
        const int middle = kern + (parts - kern) / 2;
        TJoinState tried = JoinStateOf(lettersAt(middle), widths);
        if (tried.piecesApart == 0)
            kern = middle, state = std::move(tried);
        else
            parts = middle;
    }
    if (state.wordsMeeting) {
        search.wordsMeeting = state.wordsMeeting;
        return search;
    }
    search.kern = kern;
    return search;
}
} // namespace

std::optional<int> DropIntoBar(const TPatternLetters &shapes, double leastWidth)
{
    if (!shapes.baseBar || shapes.letters.empty())
        return std::nullopt;
    double lastBaseline = shapes.letters.front().baseline;
    for (const TLetterShape &letter : shapes.letters)
        lastBaseline = std::max(lastBaseline, letter.baseline);
    double tallest = 0;
    for (const TLetterShape &letter : shapes.letters)
        if (letter.baseline == lastBaseline)
            tallest = std::max(tallest, letter.outline.boundingRect().height());
    std::optional<double> drop;
    for (const TLetterShape &letter : shapes.letters) {
        const QRectF ink = letter.outline.boundingRect();
        if (letter.baseline != lastBaseline || ink.isEmpty() || ink.bottom() < lastBaseline - tallest * kBaselineReach)
            continue;
        const double needed = shapes.baseBar->top() + leastWidth - ink.bottom();
        drop = std::max(drop.value_or(needed), needed);
    }
    if (!drop)
        return std::nullopt;
    // Whole pixels, never less than the least width: a drop a rounding
    // error above a whole pixel is that pixel.
    return int(std::ceil(*drop - CutTolerancePixels / 2));
}

TConnectWidths ConnectWidthsOf(const TStencilSettings &stencil) { return {stencil.leastWidth, stencil.kerf}; }

TConnection ConnectLetters(const TLettersAtKern &lettersAt, int vpos, const TConnectWidths &widths)
{
    TConnection connection;
    connection.noLetters = lettersAt(PatternRanges::Kern.Max).letters.empty();
    if (connection.noLetters)
        return connection;
    const TKernSearch search = LargestJoiningKern(lettersAt, widths);
    connection.kern = search.kern;
    connection.wordsMeeting = search.wordsMeeting;
    if (!connection.kern) {
        if (!connection.wordsMeeting)
            connection.apart = LettersApart(lettersAt(search.nearest), widths);
        return connection;
    }
    if (const std::optional<int> drop = DropIntoBar(lettersAt(*connection.kern), widths.leastWidth))
        connection.vpos = PatternRanges::VPos.Clamp(vpos + *drop);
    return connection;
}

QString LettersApartText(const TConnection &connection)
{
    if (connection.noLetters)
        return {};
    if (connection.wordsMeeting)
        return QStringLiteral("The letters of \"%1\" and \"%2\" join only where the two words run into each other")
            .arg(connection.wordsMeeting->first, connection.wordsMeeting->second);
    QStringList named;
    for (const auto &[letter, word] : connection.apart)
        named.append(QStringLiteral("\"%1\" in \"%2\"").arg(letter, word));
    const QString start = QStringLiteral("No Kern from %1 to %2 joins the letters of every word")
                              .arg(PatternRanges::Kern.Min)
                              .arg(PatternRanges::Kern.Max);
    if (named.isEmpty())
        return start;
    return start + QStringLiteral(": %1 %2 apart")
                       .arg(named.join(QStringLiteral(", ")), named.size() == 1 ? QStringLiteral("stays")
                                                                                : QStringLiteral("stay"));
}
