#include "webview/scroll_bar_skin.h"

#include "songs/startup_values.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPixmap>

#include <array>

namespace kesto {
namespace {

// The parts in the order of their image ids. Single buttons only: the engine's second pair of
// buttons stays hidden.
constexpr std::array<const char*, 6> kParts = {
    "::-webkit-scrollbar-thumb:vertical",
    "::-webkit-scrollbar-button:vertical:start:decrement",
    "::-webkit-scrollbar-button:vertical:end:increment",
    "::-webkit-scrollbar-thumb:horizontal",
    "::-webkit-scrollbar-button:horizontal:start:decrement",
    "::-webkit-scrollbar-button:horizontal:end:increment",
};

QString dataAddress(const QPixmap& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

} // namespace

QString ScrollBarSkin::styleSheet(KestoHostTable skin) {
    const auto image = StartupValues::slotAs<KestoSkinImageFn>(skin, KESTO_SKIN_IMAGE);
    if (image == nullptr)
        return {};
    const QString px = QString::number(kThickness) + QStringLiteral("px");
    QString sheet =
        QStringLiteral("::-webkit-scrollbar { width: %1; height: %1; }"
                       " ::-webkit-scrollbar-track, ::-webkit-scrollbar-corner { background: #f7f7f7; }"
                       " ::-webkit-scrollbar-button { display: none; }"
                       " ::-webkit-scrollbar-button:start:decrement, ::-webkit-scrollbar-button:end:increment"
                       " { display: block; width: %1; height: %1; }")
            .arg(px);
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const auto* pixmap =
            static_cast<const QPixmap*>(image(KESTO_SKIN_SCROLLBAR_IMAGES + static_cast<int>(i)));
        if (pixmap == nullptr || pixmap->isNull())
            return {};
        sheet += QStringLiteral(" %1 { background: url(%2) center / 100% 100% no-repeat; }")
                     .arg(QString::fromLatin1(kParts[i]), dataAddress(*pixmap));
    }
    return sheet;
}

QString ScrollBarSkin::script(const QString& styleSheet) {
    if (styleSheet.isEmpty())
        return {};
    // The sheet as a script string literal: JSON of a one-element array, brackets cut off.
    QByteArray literal = QJsonDocument(QJsonArray{styleSheet}).toJson(QJsonDocument::Compact);
    literal = literal.mid(1, literal.size() - 2);
    return QStringLiteral(
               "(function () { var s = document.createElement('style'); s.id = '%1';"
               " s.textContent = %2; (document.head || document.documentElement).appendChild(s); })();")
        .arg(QString::fromLatin1(kStyleId), QString::fromUtf8(literal));
}

} // namespace kesto
