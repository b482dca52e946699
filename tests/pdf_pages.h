// Reading back what a virtual printer wrote: the page count of a PDF file and a page
// rendered to an image at a chosen resolution, without smoothing (poppler-utils).
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>

#include <string>

// Renders one page (1-based) at `dpi`, or only the part `clip` of it (pixels at that dpi).
inline QImage RenderPdfPage(const std::string& file, int page, int dpi, QRect clip = {}) {
  QString prefix = QString::fromStdString(file) + "-page";
  QStringList args = {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                      QString::number(page), "-singlefile", "-aa", "no", "-aaVector", "no"};
  if (!clip.isNull())
    args << "-x" << QString::number(clip.x()) << "-y" << QString::number(clip.y()) << "-W"
         << QString::number(clip.width()) << "-H" << QString::number(clip.height());
  args << QString::fromStdString(file) << prefix;
  QProcess process;
  process.start("pdftoppm", args);
  if (!process.waitForFinished(-1) || process.exitCode() != 0) {
    ADD_FAILURE() << "pdftoppm could not render " << file
                  << " (tools/install-deps installs poppler-utils)";
    return {};
  }
  return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

inline int PdfPageCount(const std::string& file) {
  QProcess process;
  process.start("pdfinfo", {QString::fromStdString(file)});
  if (!process.waitForFinished(-1) || process.exitCode() != 0) return -1;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  return -1;
}

// The box around the pixels that are not white; a null rectangle when there are none.
inline QRect InkOf(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}
