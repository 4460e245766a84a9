// Draws the program's pictures into the folder given as the only argument:
//
//     picture_generator assets/
//
// The output depends only on the installed fonts, so running it again with the
// same fonts reproduces the same files.

#include "drawing.h"
#include "pictures.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSize>

#include <cstdio>

namespace {

struct Picture {
    const char *fileName;
    QSize size;
    QImage (*draw)();
};

const Picture kPictures[] = {
    {"copy_button.png", {105, 30}, pictures::copyButton},
    {"clear_button.png", {105, 30}, pictures::clearButton},
    {"flash_button.png", {105, 30}, pictures::flashButton},
    {"demo_article_list.png", {365, 267}, pictures::articleListSample},
    {"demo_article_page.png", {654, 117}, pictures::articlePageSample},
    {"demo_software_page.png", {633, 102}, pictures::softwarePageSample},
    {"demo_pager.png", {463, 48}, pictures::pagerSample},
    {"demo_search_pager.png", {672, 138}, pictures::searchPagerSample},
    {"about_banner.png", {431, 105}, pictures::aboutBanner},
    {"ad_banner.png", {271, 66}, pictures::adBanner},
};

bool fontsInstalled()
{
    const QStringList families = QFontDatabase::families();
    bool ok = true;
    for (const QString &family : {pictures::kBrushFamily, pictures::kUiFamily}) {
        if (!families.contains(family)) {
            std::fprintf(stderr, "picture_generator: font family \"%s\" is not installed\n",
                         qPrintable(family));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: picture_generator OUTPUT_FOLDER\n");
        return 2;
    }
    if (!fontsInstalled())
        return 1;

    const QDir folder(args.at(1));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "picture_generator: cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    int failures = 0;
    for (const Picture &picture : kPictures) {
        const QImage image = picture.draw();
        const QString path = folder.filePath(QString::fromLatin1(picture.fileName));
        if (image.size() != picture.size) {
            std::fprintf(stderr, "picture_generator: %s is %dx%d, expected %dx%d\n",
                         picture.fileName, image.width(), image.height(),
                         picture.size.width(), picture.size.height());
            ++failures;
        } else if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "picture_generator: cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    return failures == 0 ? 0 : 1;
}
