// Skin pictures: built-in resources under ":/skins/", overridden for the dialogs, splash and
// about window by picture files in the folder "I" beside the program; each picture is loaded
// once per name and size and then reused. Also the helpers that draw and apply them.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

class QPainter;

namespace sudoku {

class TBaseBtn;

// The three button groups that carry pictures: page buttons (120 x 35 at the base layout),
// page-area buttons (85 x 15) and title buttons (14 x 14).
enum class TSkinKind { LargeButton, SmallButton, TitleButton };

// Up, down and disabled pictures of one button group; a missing one is a null picture.
struct TButtonSkin {
    QPixmap Up;
    QPixmap Down;
    QPixmap Disabled;
};

// Suffix of the pictures drawn for a screen layout: none at the base size, "_sm8x6" for the
// 1.25 layouts (3, 6) and "_sm10x7" for the 1.6 layouts (4, 7).
QString SkinSuffix(int screenLayout);
// Base name of a button group's pictures ("But", "But85x15", "But14x14").
QString SkinButtonName(TSkinKind kind);

class TSkinPictures {
public:
    // appDir is the program's folder with a trailing separator; overrides live in appDir + "I/".
    explicit TSkinPictures(QString appDir);
    // The pictures of the running program (its own folder).
    static TSkinPictures& Shared();

    // A built-in picture by resource name, matched without regard to case; scaled smoothly
    // when a size is given; null when there is none.
    QPixmap Resource(const QString& name, QSize size = {});
    // A picture file of the "I" folder (file name matched without regard to case); null when
    // absent or unreadable.
    QPixmap File(const QString& fileName, QSize size = {});
    // The "I" file when it loads, else the resource.
    QPixmap FileOrResource(const QString& fileName, const QString& resourceName);

    // Main window: resources only, with the layout's suffix.
    TButtonSkin ButtonSkin(TSkinKind kind, int screenLayout);
    QPixmap Background(int screenLayout); // "Player_Background"
    // Dialogs, splash and about window: "I" files first, then the resources, both with the
    // layout's suffix.
    TButtonSkin DialogButtonSkin(TSkinKind kind, int screenLayout = 0);
    QPixmap Intro(); // "I/intro.bmp" or "Player_Intro"
    // "I/about.bmp" or "Player_About", scaled smoothly when a size is given.
    QPixmap About(QSize size = {});

    // Forgets every loaded picture (the next request loads again).
    void Clear() { cache_.clear(); }
    int CachedCount() const { return static_cast<int>(cache_.size()); }

private:
    QPixmap Cached(const QString& key, QSize size, const QString& path);

    QString overrideDir_;
    QHash<QString, QPixmap> cache_;
};

// Gives the button group's pictures to a button: when the up picture is there the face is
// hidden, the pen cleared and the picture drawn unstretched at the top left, shifted by
// (0.01 W, 0.02 H) while pressed. Without an up picture the button keeps its drawn face.
// Returns whether the skin was applied.
bool ApplyButtonSkin(TBaseBtn& button, const TButtonSkin& skin);
// The main window's buttons at a screen layout (resources with the layout suffix).
bool ApplySkin(TBaseBtn& button, TSkinKind kind, int screenLayout);
// The dialogs' and about window's buttons ("I" files first) at a screen layout.
bool ApplyDialogSkin(TBaseBtn& button, TSkinKind kind, int screenLayout = 0);

// Whole-picture copy at (x, y); nothing for a null picture.
void DrawSkinGraphic(QPainter& painter, QPoint pos, const QPixmap& picture);
// The picture stretched into a rectangle; nothing for a null picture.
void StretchSkinGraphic(QPainter& painter, const QRect& rect, const QPixmap& picture);

} // namespace sudoku
