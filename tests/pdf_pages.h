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

// A line of what pdfinfo tells of the file, after its label ("Pages:"); empty when none.
inline QString PdfInfoLine(const std::string& file, const QString& label) {
  QProcess process;
  process.start("pdfinfo", {QString::fromStdString(file)});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
    if (line.startsWith(label)) return line.mid(label.size()).trimmed();
  return {};
}

inline int PdfPageCount(const std::string& file) {
  QString pages = PdfInfoLine(file, "Pages:");
  return pages.isEmpty() ? -1 : pages.toInt();
}

// The first page's size in points, "612 x 792".
inline std::string PdfPageSize(const std::string& file) {
  return PdfInfoLine(file, "Page size:").section(" pts", 0, 0).toStdString();
}

// The box around the pixels that are not white; a null rectangle when there are none.
inline QRect InkOf(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}
