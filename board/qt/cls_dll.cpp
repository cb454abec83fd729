#include "board/qt/cls_dll.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgRenderer>

#include "board/card_geometry.h"
#include "board/qt/card_pictures.h"
#include "board/qt/textures.h"

ClsDll::ClsDll(std::vector<InstalledDeck> decks, QString cacheFolder)
    : decks_(std::move(decks)), cacheFolder_(std::move(cacheFolder)) {
    if (cacheFolder_.isEmpty())
        cacheFolder_ = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                       "/Quorvane/decks";
}

ClsDll ClsDll::Installed() {
    return ClsDll(FindInstalledDecks(DefaultKdeDeckFolders(), DefaultGnomeDeckFolders()));
}

namespace {
bool RenderFaces(QSvgRenderer& svg, DeckNaming naming, QImage& sheet) {
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    for (int n = 1; n <= 52; ++n) {
        const QString id = QString::fromStdString(CardElementId(naming, n));
        if (!svg.elementExists(id)) return false;
        const SheetCell c = CellOfCard(n);
        svg.render(&p, id, QRectF(c.x, c.y, kCardWidth, kCardHeight));
    }
    return true;
}

bool RenderBack(QSvgRenderer& svg, DeckNaming naming, QImage& back) {
    const QString id = QString::fromStdString(BackElementId(naming));
    if (!svg.elementExists(id)) return false;
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, id, QRectF(QPointF(0, 0), back.deviceIndependentSize()));
    return true;
}
}  // namespace

QString ClsDll::CachePath(int index, const QString& what, qreal dpr) const {
    const InstalledDeck& d = decks_[index];
    // The file's path and date name the cache entry, so an updated deck renders again.
    const QFileInfo info(QString::fromStdString(d.svgPath));
    const QByteArray key =
        (info.absoluteFilePath() + "|" + QString::number(info.lastModified().toSecsSinceEpoch()))
            .toUtf8();
    const QString hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return cacheFolder_ + "/" + hash + "-" + what + "@" + QString::number(dpr) + ".png";
}

QImage ClsDll::Render(int index, const QString& what, qreal dpr) {
    if (index < 0 || index >= GetDecksQuantity()) return {};
    const QString cached = CachePath(index, what, dpr);
    QImage img;
    if (img.load(cached, "PNG")) {
        img.setDevicePixelRatio(dpr);
        return img;
    }
    QSvgRenderer svg(QString::fromStdString(decks_[index].svgPath));
    if (!svg.isValid()) return {};
    const DeckNaming naming = decks_[index].naming;
    bool ok = false;
    if (what == "faces") {
        img = BlankImage(kSheetWidth, kSheetHeight, dpr);
        ok = RenderFaces(svg, naming, img);
    } else {
        const bool small = what == "back-small";
        img = BlankImage(small ? kSmallCardWidth : kCardWidth,
                         small ? kSmallCardHeight : kCardHeight, dpr);
        ok = RenderBack(svg, naming, img);
    }
    if (!ok) return {};
    QDir().mkpath(cacheFolder_);
    img.save(cached, "PNG");
    return img;
}

QImage ClsDll::FaceSheet(int index, qreal dpr) {
    return Render(index, "faces", dpr);
}

QImage ClsDll::BackPicture(int index, bool small, qreal dpr) {
    return Render(index, small ? "back-small" : "back-large", dpr);
}

Rgb ClsDll::DeckBackColor(int index, qreal dpr) {
    const QImage back = BackPicture(index, true, dpr);
    if (back.isNull()) return 0;
    const QColor c =
        back.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    return (static_cast<Rgb>(c.red()) << 16) | (c.green() << 8) | c.blue();
}

bool ClsDll::GetCardFaces(int thisPicked, CardPictures& pictures) {
    if (thisPicked == 6) {
        pictures.UseBuiltInSheet();
        return true;
    }
    const QImage sheet = FaceSheet(thisPicked - 7, pictures.dpr());
    if (sheet.isNull()) {
        pictures.UseBuiltInSheet();
        return false;
    }
    pictures.SetSheet(sheet);
    return true;
}

bool ClsDll::GetCardBacks(int whichDeck, CardPictures& pictures) {
    if (whichDeck == 0) {
        pictures.UsePlainBack();
        return true;
    }
    const QImage small = BackPicture(whichDeck - 1, true, pictures.dpr());
    const QImage large = BackPicture(whichDeck - 1, false, pictures.dpr());
    if (small.isNull() || large.isNull()) {
        pictures.UsePlainBack();
        return false;
    }
    pictures.SetBacks(large, small);
    return true;
}
