// Loading, caching and applying of skin pictures.
#include "TSkinPictures.h"

#include "TBaseBtn.h"
#include "TScreenLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

namespace sudoku {

namespace {

const char* const kStateNames[3] = {"_Up", "_Down", "_Disabled"};

QString FileNameOf(const QString& resourceName) {
    return resourceName.toLower() + QStringLiteral(".bmp");
}

} // namespace

QString SkinSuffix(int screenLayout) {
    switch (screenLayout) {
    case TScreenLayout::sl800ByWidth:
    case TScreenLayout::sl800ByHeight:
        return QStringLiteral("_sm8x6");
    case TScreenLayout::sl1024ByWidth:
    case TScreenLayout::sl1024ByHeight:
        return QStringLiteral("_sm10x7");
    default:
        return {};
    }
}

QString SkinButtonName(TSkinKind kind) {
    switch (kind) {
    case TSkinKind::LargeButton:
        return QStringLiteral("But");
    case TSkinKind::SmallButton:
        return QStringLiteral("But85x15");
    case TSkinKind::TitleButton:
        return QStringLiteral("But14x14");
    }
    return {};
}

TSkinPictures::TSkinPictures(QString appDir) : overrideDir_(std::move(appDir)) {
    if (!overrideDir_.isEmpty() && !overrideDir_.endsWith(QLatin1Char('/')) &&
        !overrideDir_.endsWith(QLatin1Char('\\')))
        overrideDir_ += QLatin1Char('/');
    overrideDir_ += QStringLiteral("I/");
}

TSkinPictures& TSkinPictures::Shared() {
    static TSkinPictures shared(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    // Pictures are let go while the application still exists, not at process exit.
    static const bool cleanupRegistered = [] {
        qAddPostRoutine([] { Shared().Clear(); });
        return true;
    }();
    (void)cleanupRegistered;
    return shared;
}

QPixmap TSkinPictures::Cached(const QString& key, QSize size, const QString& path) {
    const QString sizedKey =
        size.isValid() ? key + QStringLiteral("@%1x%2").arg(size.width()).arg(size.height()) : key;
    const auto found = cache_.constFind(sizedKey);
    if (found != cache_.constEnd())
        return *found;
    QPixmap picture;
    if (size.isValid()) {
        // A sized copy comes from the picture as loaded, never from a second read.
        const QPixmap natural = Cached(key, QSize(), path);
        if (!natural.isNull())
            picture = natural.size() == size
                          ? natural
                          : natural.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        // Read through QImage: QPixmap::load would answer from the process-wide pixmap cache
        // and miss a file replaced within the same second.
        QImage image;
        if (!path.isEmpty() && image.load(path))
            picture = QPixmap::fromImage(image);
    }
    cache_.insert(sizedKey, picture);
    return picture;
}

QPixmap TSkinPictures::Resource(const QString& name, QSize size) {
    const QString lower = name.toLower();
    return Cached(QStringLiteral("res:") + lower, size,
                  QStringLiteral(":/skins/") + lower + QStringLiteral(".png"));
}

QPixmap TSkinPictures::File(const QString& fileName, QSize size) {
    const QString key = QStringLiteral("file:") + fileName.toLower();
    // The folder is searched only the first time a name is asked for.
    QString path;
    const QDir dir(overrideDir_);
    if (!cache_.contains(key) && dir.exists()) {
        const QStringList entries = dir.entryList(QDir::Files | QDir::Readable);
        for (const QString& entry : entries)
            if (entry.compare(fileName, Qt::CaseInsensitive) == 0) {
                path = dir.filePath(entry);
                if (entry == fileName)
                    break; // an exact match wins over other spellings
            }
    }
    return Cached(key, size, path);
}

QPixmap TSkinPictures::FileOrResource(const QString& fileName, const QString& resourceName) {
    const QPixmap file = File(fileName);
    return file.isNull() ? Resource(resourceName) : file;
}

TButtonSkin TSkinPictures::ButtonSkin(TSkinKind kind, int screenLayout) {
    const QString base = SkinButtonName(kind);
    const QString suffix = SkinSuffix(screenLayout);
    return {Resource(base + kStateNames[0] + suffix), Resource(base + kStateNames[1] + suffix),
            Resource(base + kStateNames[2] + suffix)};
}

QPixmap TSkinPictures::Background(int screenLayout) {
    return Resource(QStringLiteral("Player_Background") + SkinSuffix(screenLayout));
}

TButtonSkin TSkinPictures::DialogButtonSkin(TSkinKind kind, int screenLayout) {
    const QString base = SkinButtonName(kind);
    const QString suffix = SkinSuffix(screenLayout);
    TButtonSkin skin;
    QPixmap* const targets[3] = {&skin.Up, &skin.Down, &skin.Disabled};
    for (int i = 0; i < 3; ++i) {
        const QString name = base + kStateNames[i] + suffix;
        *targets[i] = FileOrResource(FileNameOf(name), name);
    }
    return skin;
}

QPixmap TSkinPictures::Intro() {
    return FileOrResource(QStringLiteral("intro.bmp"), QStringLiteral("Player_Intro"));
}

QPixmap TSkinPictures::About(QSize size) {
    const QPixmap file = File(QStringLiteral("about.bmp"), size);
    return file.isNull() ? Resource(QStringLiteral("Player_About"), size) : file;
}

bool ApplyButtonSkin(TBaseBtn& button, const TButtonSkin& skin) {
    if (skin.Up.isNull())
        return false;
    button.SetGlyphUp(skin.Up);
    button.SetGlyphDown(skin.Down);
    button.SetGlyphDisabled(skin.Disabled);
    button.SetGlyphUpIsGlyphDown(false);
    button.SetGlyphCentered(false);
    button.SetGlyphStretched(false);
    button.SetGlyphXOffset(0);
    button.SetGlyphYOffset(0);
    button.SetFaceVisible(false);
    QPen pen = button.Pen();
    pen.setStyle(Qt::NoPen);
    button.SetPen(pen);
    button.SetShadowXOffset(0.01);
    button.SetShadowYOffset(0.02);
    return true;
}

bool ApplySkin(TBaseBtn& button, TSkinKind kind, int screenLayout) {
    return ApplyButtonSkin(button, TSkinPictures::Shared().ButtonSkin(kind, screenLayout));
}

bool ApplyDialogSkin(TBaseBtn& button, TSkinKind kind, int screenLayout) {
    return ApplyButtonSkin(button, TSkinPictures::Shared().DialogButtonSkin(kind, screenLayout));
}

void DrawSkinGraphic(QPainter& painter, QPoint pos, const QPixmap& picture) {
    if (picture.isNull())
        return;
    painter.drawPixmap(pos, picture);
}

void StretchSkinGraphic(QPainter& painter, const QRect& rect, const QPixmap& picture) {
    if (picture.isNull() || rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawPixmap(rect, picture);
    painter.restore();
}

} // namespace sudoku
