// libFuzzer target for the exporter's option reader and the length reader
// under it.
//
// The input is a command line, one argument a line. Beyond "no crash",
// whatever the reader accepts must be usable as it stands: every length in
// its range and every blank side a whole number of pixels a blank may have.
// Each argument is also read as a length and as a pair of lengths, which
// must give finite numbers or nothing.
#include "export/exportoptions.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckLengths(const QString &argument)
{
    for (const TBareNumber bare : {TBareNumber::Refused, TBareNumber::WholePixels, TBareNumber::Inches}) {
        if (const std::optional<double> length = ReadLength(argument, bare))
            Require(std::isfinite(*length));
        if (const auto pair = ReadLengthPair(argument, bare))
            Require(std::isfinite(pair->first) && std::isfinite(pair->second));
    }
}

void CheckAccepted(const TExportOptions &options)
{
    constexpr int kMaxSide = ExportLimits::kMaxBlankSidePixels;
    if (const std::optional<QSize> blank = options.overrides.blank)
        Require(blank->width() >= 1 && blank->width() <= kMaxSide && blank->height() >= 1 &&
                blank->height() <= kMaxSide);
    if (options.letterHeight)
        Require(*options.letterHeight >= ExportLimits::kMinLetterHeightPixels &&
                *options.letterHeight <= ExportLimits::kMaxLetterHeightPixels);
    Require(options.margin >= 0 && options.margin <= ExportLimits::kMaxMarginPixels);
    Require(!options.output.isEmpty());
    Require(!options.sameHeight || (options.fit && !options.namesFile.isEmpty()));
    Require(!options.toStandardOutput || options.namesFile.isEmpty() || options.singleFile);
    if (options.stencil.bridges)
        Require(std::isfinite(options.stencil.bridgeWidth) && options.stencil.bridgeWidth > 0);
    if (options.stencil.fragileSpots)
        Require(std::isfinite(options.stencil.leastWidth) && options.stencil.leastWidth > 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList arguments = text.split(QLatin1Char('\n'));
    for (const QString &argument : arguments)
        CheckLengths(argument);
    arguments.prepend(QStringLiteral("fretcard-export"));
    const TParsedArguments parsed = ParseExportArguments(arguments);
    if (parsed.action == TParsedArguments::TAction::Export)
        CheckAccepted(parsed.options);
    else if (parsed.action == TParsedArguments::TAction::Refuse)
        Require(!parsed.message.isEmpty());
    return 0;
}
