// Draws the artwork once, at build time, for the pixel ratios and icon sizes that ui/artwork.h lists,
// and writes the pixels as a C++ source file (ui/prebuilt_artwork.h describes what it holds), so that
// the program shows its pictures at start-up without drawing them.
//
//   pumpvale_artwork_generator OUTPUT.cpp
//
// It draws offscreen, with no display; the wordmark needs the windows' font, and without it the build
// stops rather than keep a picture drawn in some other font.
#include "ui/artwork.h"
#include "ui/metrics.h"
#include "ui/prebuilt_artwork.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

namespace {

using pumpvale::artwork::kIconSizes;
using pumpvale::artwork::kPrebuiltPictures;
using pumpvale::artwork::kPrebuiltRatios;

// Appends image's pixels as an array named name, each byte as a three-digit octal escape (one digit
// fewer could run on into a following digit).
void appendPixels(QByteArray& source, const QByteArray& name, const QImage& image) {
    source += "alignas(16) const unsigned char " + name + "[] =\n    \"";
    const auto* bytes = image.constBits();
    const qsizetype count = image.sizeInBytes();
    for (qsizetype i = 0; i < count; ++i) {
        const unsigned byte = bytes[i];
        const char escape[] = {'\\', char('0' + (byte >> 6)), char('0' + ((byte >> 3) & 7)),
                               char('0' + (byte & 7))};
        source.append(escape, sizeof escape);
        if (i % 32 == 31 && i + 1 < count)
            source += "\"\n    \"";
    }
    source += "\";\n";
}

struct Entry {
    int picture;
    int key;
    QImage image;
};

QList<Entry> drawAll() {
    QList<Entry> entries;
    for (int picture = 0; picture < int(std::size(kPrebuiltPictures)); ++picture)
        for (const double ratio : kPrebuiltRatios)
            entries.append({picture, qRound(ratio * 100),
                            kPrebuiltPictures[picture](pumpvale::metrics::kScale * ratio).toImage()});
    for (const int size : kIconSizes)
        entries.append(
            {pumpvale::artwork::kIcon, size, pumpvale::artwork::emblem(QSize(size, size)).toImage()});
    return entries;
}

QByteArray sourceFor(const QList<Entry>& entries) {
    QByteArray source =
        "// Made by pumpvale_artwork_generator from the drawing in ui/artwork.cpp; not edited by hand.\n"
        "#include \"ui/prebuilt_artwork.h\"\n\n"
        "namespace pumpvale::artwork {\nnamespace {\n\n";
    QByteArray table;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        const QByteArray name = "kPixels" + QByteArray::number(i);
        appendPixels(source, name, entry.image);
        table += QStringLiteral("    {%1, %2, %3, %4, %5, %6},\n")
                     .arg(entry.picture)
                     .arg(entry.key)
                     .arg(entry.image.width())
                     .arg(entry.image.height())
                     .arg(int(entry.image.format()))
                     .arg(QString::fromLatin1(name))
                     .toLatin1();
    }
    source += "\nconst PrebuiltPixels kAll[] = {\n" + table +
              "};\n\n} // namespace\n\n"
              "std::span<const PrebuiltPixels> prebuiltPixels() {\n    return kAll;\n}\n\n"
              "} // namespace pumpvale::artwork\n";
    return source;
}

// Each picture must be rows of 32-bit pixels without padding, as ui/prebuilt_artwork.cpp reads them.
bool fitsTheTable(const Entry& entry) {
    const QImage::Format format = entry.image.format();
    return (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied) &&
           entry.image.bytesPerLine() == qsizetype(entry.image.width()) * 4;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: pumpvale_artwork_generator OUTPUT.cpp\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString family = QFontInfo(pumpvale::metrics::font()).family();
    if (family != QLatin1String(pumpvale::metrics::kFontFamily)) {
        std::fprintf(stderr,
                     "pumpvale_artwork_generator: the wordmark is drawn in %s, which is not installed "
                     "(Debian package fonts-dejavu-core); found %s instead.\n",
                     pumpvale::metrics::kFontFamily, qPrintable(family));
        return 1;
    }
    const QList<Entry> entries = drawAll();
    for (const Entry& entry : entries)
        if (!fitsTheTable(entry)) {
            std::fprintf(stderr, "pumpvale_artwork_generator: picture %d at %d came out in image format %d\n",
                         entry.picture, entry.key, int(entry.image.format()));
            return 1;
        }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QSaveFile file(output);
    const QByteArray source = sourceFor(entries);
    if (!file.open(QIODevice::WriteOnly) || file.write(source) != source.size() || !file.commit()) {
        std::fprintf(stderr, "pumpvale_artwork_generator: cannot write %s: %s\n", qPrintable(output),
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
