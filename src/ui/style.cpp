// One style for every desktop, so the fixed layout never cuts a caption.
#include "style.h"

#include "ButtonLabel.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

QFont dialogFont() {
    QFont font;
    font.setFamilies({"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont fixedFont() {
    QFont font;
    font.setFamilies({"Liberation Mono", "Courier New", "DejaVu Sans Mono"});
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    return font;
}

void applyLauncherStyle(QApplication& app) {
    installLabelAccessibility();
    if (QStyle* fusion = QStyleFactory::create("Fusion")) {
        app.setStyle(fusion);
        app.setPalette(fusion->standardPalette());
    }
    app.setFont(dialogFont());
    // Frames carry their caption in the border line, so their contents start just below it.
    app.setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px;"
                       " background-color: palette(window); }"
                       "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: "
                       "6px; padding: 0 2px; }"));
}

} // namespace ui
