// SPDX-FileCopyrightText: 2026 Orbitron team <team@orbitron.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// One style for every desktop, so the fixed layout never cuts a caption.
#include "style.h"

#include "shapes.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace ui {
namespace {

// Fusion, with two changes the fixed layout needs: a frame carries its caption in its border
// line, so its controls start just below the caption, and line edits marked "compactFrame" get a
// one-pixel border, so text still fits into the 13-pixel-high number boxes. (Done in the style,
// not with a style sheet, which would slow down the start of every widget.)
class LauncherStyle : public QProxyStyle {
public:
    explicit LauncherStyle(QStyle* base) : QProxyStyle(base) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control == CC_GroupBox) {
            if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
                const int titleHeight = box->fontMetrics.height();
                const QRect r = box->rect;
                switch (part) {
                case SC_GroupBoxFrame:
                    return r.adjusted(0, titleHeight / 2, 0, 0);
                case SC_GroupBoxLabel:
                    return box->text.isEmpty()
                               ? QRect()
                               : QRect(r.left() + 6, r.top(),
                                       box->fontMetrics.horizontalAdvance(box->text) + 4, titleHeight);
                case SC_GroupBoxContents:
                    return r.adjusted(1, titleHeight, -1, -1);
                default:
                    return {};
                }
            }
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (control == CC_GroupBox) {
            if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
                const QRect frame = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
                const QRect title = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
                painter->save();
                painter->setPen(box->palette.color(QPalette::Mid));
                drawOutline(*painter, frame);
                if (title.isValid()) {
                    painter->fillRect(title, box->palette.color(QPalette::Window));
                    drawItemText(painter, title, Qt::AlignCenter, box->palette, box->state & State_Enabled,
                                 box->text, QPalette::WindowText);
                }
                painter->restore();
                return;
            }
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_DefaultFrameWidth && isCompact(widget)) {
            return 1;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit && isCompact(widget)) {
            painter->fillRect(option->rect, option->palette.color(QPalette::Base));
            painter->setPen(option->palette.color(QPalette::Mid));
            drawOutline(*painter, option->rect);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static bool isCompact(const QWidget* widget) {
        return widget && widget->property("compactFrame").toBool();
    }
};

} // namespace

QIcon programIcon() {
    static const QIcon icon(QStringLiteral(":/pictures/klemnet.ico"));
    return icon;
}

QPixmap picture(const QString& file) {
    if (qGuiApp->devicePixelRatio() > 1.0) {
        const auto dot = file.lastIndexOf(QLatin1Char('.'));
        const QString sharp = file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
        if (QFile::exists(sharp)) {
            return QPixmap(sharp); // its name tells the reader: two device pixels per pixel
        }
    }
    return QPixmap(file);
}

// The windows are laid out for the Windows dialog font ("MS Sans Serif", 8.25 pt, 11 pixels) and
// "Courier New"; where those are missing, metric-compatible stand-ins take their place.
QFont dialogFont(int pixels) {
    QFont font;
#ifdef Q_OS_WIN
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"});
#else
    font.setFamilies({"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"});
    // The captions' room is measured for the widths of those first families, which this sample
    // shows 327 pixels wide at 11 pixels. A wider family in their place (DejaVu Sans, where
    // Liberation Sans is missing) is narrowed to them, so that no caption is cut.
    static const int stretch = [font]() mutable {
        font.setPixelSize(11);
        const qreal width = QFontMetricsF(font).horizontalAdvance(
            QStringLiteral("The quick brown fox jumps over the lazy dog: 0123456789 (Sound)"));
        return width > 330 ? static_cast<int>(100 * 327 / width) : QFont::AnyStretch;
    }();
    font.setStretch(stretch);
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

QFont fixedFont() {
    QFont font;
#ifdef Q_OS_WIN
    font.setFamilies({"Courier New", "Liberation Mono"});
#else
    font.setFamilies({"Liberation Mono", "Courier New", "DejaVu Sans Mono"});
#endif
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    return font;
}

void applyLauncherStyle(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        auto* style = new LauncherStyle(fusion);
        app.setStyle(style); // the application takes ownership
        app.setPalette(style->standardPalette());
    }
    app.setFont(dialogFont());
}

} // namespace ui
