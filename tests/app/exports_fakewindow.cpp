#include "exports_fakewindow.h"

QImage TFakeExportWindow::DefaultPattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0xFFA0A0A4);
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, 0xFF000000);
        image.setPixel(x, height - 1, 0xFF000000);
        image.setPixel(x, height / 2, x % 3 ? 0xFF000000 : 0xFFFFFFFF);
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, 0xFF000000);
        image.setPixel(width - 1, y, 0xFF000000);
    }
    return image;
}

void TFakeExportWindow::WriteSnapshot(const QString &path)
{
    m_log->append("snapshot");
    SaveBitmapFile(pattern, path);
}

QString TFakeExportWindow::AskSaveFileName(const QString &filter)
{
    m_log->append("save dialog");
    filtersAsked.append(filter);
    if (fileNames.empty())
        return QString();
    const QString answer = fileNames.front();
    fileNames.pop_front();
    return answer;
}

TOverwriteAnswer TFakeExportWindow::AskOverwrite()
{
    m_log->append("question Overwrite File?");
    const TOverwriteAnswer answer = overwriteAnswers.empty() ? TOverwriteAnswer::Closed
                                                             : overwriteAnswers.front();
    if (!overwriteAnswers.empty())
        overwriteAnswers.pop_front();
    return answer;
}
