#include "core/inputfile.h"

#include <filesystem>
#include <system_error>

TInputFile InputFileKind(const QString &path)
{
    const std::filesystem::path name(path.toStdU16String());
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(name, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return TInputFile::Missing;
    if (error)
        return TInputFile::Unknown;
    if (std::filesystem::is_directory(status))
        return TInputFile::Folder;
    if (!std::filesystem::is_regular_file(status))
        return TInputFile::NotRegular;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (!error && size > static_cast<std::uintmax_t>(kMaxInputFileBytes))
        return TInputFile::TooLarge;
    return TInputFile::Readable;
}
