// A contact sheet: every picture on the window background, with captions in
// the bundled faces, roughly the way the screens use them.
#include "pictures.h"

#include <QFont>
#include <QImageReader>

#include <cstdio>

namespace art {
namespace {

const QColor kText(203, 203, 203);

class Sheet
{
public:
    Sheet(const QString &resRoot, QPainter &p)
        : m_root(resRoot)
        , m_p(p)
    {
    }

    QImage pic(const QString &rel) const
    {
        QImage img(m_root + "/graphics/" + rel);
        if (img.isNull())
            std::fprintf(stderr, "artgen: missing %s\n", qPrintable(rel));
        return img;
    }

    // Stretches the whole picture over r, as "border-image: ... stretch" does.
    void border(const QString &rel, const QRectF &r) const { m_p.drawImage(r, pic(rel)); }

    void text(const QRectF &r, const QString &s, const QFont &f, const QColor &c = kText,
        int flags = Qt::AlignCenter) const
    {
        m_p.setFont(f);
        m_p.setPen(c);
        m_p.drawText(r, flags, s);
    }

    // A push button: border image, optional icon at the left, centred caption.
    void button(const QString &rel, const QRectF &r, const QString &caption, const QFont &f,
        const QString &icon = QString(), const QColor &c = kText) const
    {
        border(rel, r);
        QRectF textRect = r.adjusted(0, 0, 0, -5);
        if (!icon.isEmpty()) {
            const qreal s = std::min<qreal>(40, r.height() - 30);
            const qreal x = caption.isEmpty() ? r.center().x() - s / 2 : r.left() + 18;
            m_p.drawImage(QRectF(x, r.center().y() - s / 2 - 2, s, s), pic(icon));
            if (!caption.isEmpty())
                textRect.setLeft(x + s);
        }
        if (!caption.isEmpty())
            text(textRect, caption, f, c);
    }

private:
    QString m_root;
    QPainter &m_p;
};

} // namespace

bool drawContactSheet(
    const QString &resRoot, const QString &fontsDir, const QString &framesDir, const QString &outFile)
{
    const QString corbel = loadFont(fontsDir, "Corbel.ttf");
    loadFont(fontsDir, "Corbel-Bold.ttf");
    const QString arial = loadFont(fontsDir, "LiberationSans-Regular.ttf");
    loadFont(fontsDir, "LiberationSans-Bold.ttf");
    const QString rounded = loadFont(fontsDir, "Comfortaa-Bold.ttf");
    auto font = [](const QString &family, int pt, bool bold) {
        QFont f(family);
        f.setPointSize(pt);
        f.setBold(bold);
        return f;
    };
    const QFont caption = font(corbel, 16, true);
    const QFont small = font(corbel, 14, true);
    const QFont label = font(arial, 10, false);

    const int w = 1920;
    const int h = 2520;
    QImage sheet(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&sheet);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    Sheet s(resRoot, p);
    // The background is stretched over the whole sheet, twice its own height.
    s.border("application_layout/background5.jpg", QRectF(0, 0, w, h));
    const QColor labelColour(140, 165, 190);
    auto note = [&](qreal x, qreal y, const QString &t) {
        s.text(QRectF(x, y, 900, 20), t, label, labelColour, Qt::AlignLeft | Qt::AlignVCenter);
    };

    // Buttons in their three states, then stretched to other sizes.
    qreal y = 30;
    note(40, y, "button_blue2 / _p / _i at 220x77; stretched 200x77, 77x77, 320x90; timer overlay");
    y += 30;
    s.button("application_layout/button_blue2.png", QRectF(40, y, 220, 77), "START TRAINING", caption);
    s.button("application_layout/button_blue2_p.png", QRectF(290, y, 220, 77), "START TRAINING", caption);
    s.button("application_layout/button_blue2_i.png", QRectF(540, y, 220, 77), "START TRAINING", caption,
        QString(), QColor(180, 180, 180, 200));
    s.button("application_layout/button_blue2.png", QRectF(790, y, 200, 77), "RETURN", small,
        "application_layout/return.png");
    s.button("application_layout/button_blue2.png", QRectF(1010, y, 200, 77), "TIMER", small,
        "application_layout/timer.png");
    s.button("application_layout/button_blue2_p.png", QRectF(1230, y, 77, 77), QString(), small,
        "operation_form/abortIcon.png");
    s.button(
        "application_layout/button_blue2.png", QRectF(1330, y - 6, 320, 90), "CREATE NEW\nACCOUNT", caption);
    s.text(QRectF(1680, y, 150, 77), "00:12:34", font(rounded, 22, true));
    p.drawImage(QPointF(1835, y + 18), s.pic("application_layout/record_icon.png"));

    // Menu tiles, normal and pressed, with their captions.
    y += 110;
    note(40, y, "menu tiles 420x380, normal and pressed (caption drawn by the application)");
    y += 30;
    const char *tiles[] = { "bsta", "tutorials", "bres", "bcam" };
    const char *captions[] = { "NEW TRAINING", "TRAINING TUTORIALS", "TRAINING HISTORY", "SETTINGS" };
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 4; ++i) {
            const QRectF r(40 + i * 450, y, 420, 380);
            s.border(QString("menu/%1%2.png").arg(tiles[i]).arg(row ? "_p" : ""), r);
            s.text(QRectF(r.left(), r.top() + 55, r.width(), 40), captions[i], font(corbel, 20, true), kText,
                Qt::AlignHCenter | Qt::AlignTop);
        }
        y += 400;
    }

    // Dialog and login panels, check boxes, the power button, loader frames.
    note(40, y,
        "dialog1000600 at 700x420, loginPanel at 0.8, check boxes 35/50/64, off / off_p, "
        "directory, loader frames 0/3/6/9");
    y += 30;
    const QRectF dialog(40, y, 700, 420);
    s.border("dialogs/dialog1000600.png", dialog);
    s.text(QRectF(dialog.left(), dialog.top() + 80, dialog.width(), 120),
        "Do you want to finish the training?", font(corbel, 16, false));
    s.button("application_layout/button_blue2.png",
        QRectF(dialog.left() + 120, dialog.bottom() - 140, 200, 77), "YES", caption);
    s.button("application_layout/button_blue2.png",
        QRectF(dialog.right() - 320, dialog.bottom() - 140, 200, 77), "NO", caption);
    const QRectF login(770, y, 567, 351);
    s.border("login/loginPanel.png", login);
    s.text(QRectF(login.left() + 40, login.top() + 60, 200, 60), "user pin:", font(corbel, 24, false), kText,
        Qt::AlignRight | Qt::AlignVCenter);
    p.fillRect(QRectF(login.left() + 260, login.top() + 68, 180, 46), QColor(50, 50, 50));
    s.button("application_layout/button_blue2.png", QRectF(login.left() + 30, login.bottom() - 110, 160, 62),
        "GUEST", small);
    s.button("application_layout/button_blue2_p.png",
        QRectF(login.left() + 203, login.bottom() - 110, 160, 62), "LOGIN", small);
    s.button("application_layout/button_blue2_i.png",
        QRectF(login.left() + 376, login.bottom() - 110, 160, 62), "CREATE NEW\nACCOUNT",
        font(corbel, 11, true), QString(), QColor(180, 180, 180, 200));
    qreal x = 1370;
    for (int size : { 35, 50, 64 }) {
        p.drawImage(QRectF(x, y + 10, size, size), s.pic("application_layout/checked_checkbox.png"));
        p.drawImage(QRectF(x, y + 90, size, size), s.pic("application_layout/unchecked_checkbox.png"));
        x += size + 24;
    }
    s.text(QRectF(x, y + 10, 200, 64), "record video", font(corbel, 16, false), kText,
        Qt::AlignLeft | Qt::AlignVCenter);
    p.drawImage(QRectF(1370, y + 180, 100, 100), s.pic("application_layout/off.png"));
    p.drawImage(QRectF(1490, y + 180, 100, 100), s.pic("application_layout/off_p.png"));
    s.button("application_layout/button_blue2.png", QRectF(1620, y + 190, 77, 77), QString(), small,
        "application_layout/directory.png");
    for (int i = 0; i < 4; ++i) {
        const QImage frame(QString("%1/loader_%2.png").arg(framesDir).arg(i * 3, 2, 10, QChar('0')));
        p.drawImage(QRectF(1370 + i * 120, y + 300, 100, 100), frame);
    }
    QImageReader gif(resRoot + "/graphics/application_layout/loader.gif");
    s.text(QRectF(1370, y + 400, 480, 20),
        QString("loader.gif: %1 frames").arg(gif.canRead() ? gif.imageCount() : 0), label, labelColour,
        Qt::AlignLeft);
    y += 440;

    // The history list: background tile, a plain and a selected row.
    note(40, y,
        "list_background tile, item_background, item_selected_background (1500x110), tools, "
        "author pictures");
    y += 30;
    const QRectF list(40, y, 1500, 250);
    p.save();
    p.setBrush(QBrush(s.pic("lists/list_background.png")));
    p.setBrushOrigin(list.topLeft());
    p.setPen(Qt::NoPen);
    p.drawRect(list);
    p.restore();
    for (int row = 0; row < 2; ++row) {
        const QRectF r(list.left(), list.top() + 10 + row * 120, 1500, 110);
        const bool selected = row == 1;
        s.border(selected ? "lists/item_selected_background.png" : "lists/item_background.png", r);
        p.drawImage(QRectF(r.left() + 20, r.top() + 15, 80, 80),
            s.pic(selected ? "common_icons/kavrin_icon.png" : "common_icons/user_icon.png"));
        const QColor c = selected ? QColor(255, 255, 255) : QColor(180, 180, 180);
        s.text(QRectF(r.left() + 120, r.top() + 10, 700, 50),
            selected ? "Peg transfer - basic" : "2024_05_14T10_31_07", font(arial, 16, true), c,
            Qt::AlignLeft | Qt::AlignVCenter);
        s.text(QRectF(r.left() + 120, r.top() + 55, 700, 40), "00:04:12   Kavrin Training",
            font(arial, 14, false), c, Qt::AlignLeft | Qt::AlignVCenter);
        const char *tools[] = { "dissector_icon", "grasper_icon", "scissors_logo", "tool_holder" };
        for (int t = 0; t < 4; ++t)
            p.drawImage(QRectF(r.left() + 900 + t * 85, r.top() + 39, 65, 31),
                s.pic(QString("tools/%1.png").arg(tools[t])));
        p.drawImage(QRectF(r.right() - 80, r.top() + 30, 50, 50),
            s.pic(selected ? "application_layout/checked_checkbox.png"
                           : "application_layout/unchecked_checkbox.png"));
    }
    // Tools at twice their size for a closer look.
    const char *tools[] = { "dissector_icon", "grasper_icon", "scissors_logo", "tool_holder" };
    for (int t = 0; t < 4; ++t)
        p.drawImage(QRectF(1580, y + t * 62, 130, 62), s.pic(QString("tools/%1.png").arg(tools[t])));
    y += 280;

    // Flags: colour and grey at their own size, then as 79x62 buttons.
    note(40, y, "flags 150x100 colour and _g; as 79x62 buttons (en checked); list icons");
    y += 30;
    const char *codes[] = { "es", "fr", "pl", "de", "en", "ru", "cn", "jp", "pt", "it" };
    for (int i = 0; i < 10; ++i) {
        p.drawImage(QPointF(40 + i * 165, y), s.pic(QString("flags/%1.png").arg(codes[i])));
        p.drawImage(QPointF(40 + i * 165, y + 110), s.pic(QString("flags/%1_g.png").arg(codes[i])));
    }
    y += 225;
    for (int i = 0; i < 10; ++i) {
        const bool on = QString(codes[i]) == "en";
        s.border(QString("flags/%1%2.png").arg(codes[i]).arg(on ? "" : "_g"), QRectF(40 + i * 89, y, 79, 62));
    }
    for (int i = 0; i < 10; ++i) {
        p.drawImage(QRectF(960 + (i % 5) * 180, y + (i / 5) * 36, 48, 32),
            s.pic(QString("flags/%1.png").arg(codes[i])));
        s.text(QRectF(1015 + (i % 5) * 180, y + (i / 5) * 36, 60, 32), QString(codes[i]).toUpper(),
            font(corbel, 14, false), kText, Qt::AlignLeft | Qt::AlignVCenter);
    }
    y += 90;

    // Marks and player icons.
    note(40, y, "logo, kavrin_icon, user_icon, app_icon, play/pause/stop on buttons, logo at 200x40");
    y += 30;
    p.drawImage(QPointF(40, y), s.pic("common_icons/logo.png"));
    p.drawImage(QRectF(460, y, 200, 40), s.pic("common_icons/logo.png"));
    p.drawImage(QPointF(690, y), s.pic("common_icons/kavrin_icon.png"));
    p.drawImage(QPointF(840, y), s.pic("common_icons/user_icon.png"));
    p.drawImage(QPointF(990, y), s.pic("common_icons/app_icon.png"));
    const char *player[] = { "play", "pause", "stop" };
    for (int i = 0; i < 3; ++i) {
        const QRectF r(1270 + i * 210, y, 200, 77);
        s.border("application_layout/button_blue2.png", r);
        p.drawImage(QRectF(r.center().x() - 25, r.center().y() - 27, 50, 50),
            s.pic(QString("common_icons/%1.png").arg(player[i])));
    }
    y += 280;

    // The bottom bar of the training screen across the full width.
    note(40, y - 25, "top_bar stretched to 1920x95 with the training screen's controls");
    const QRectF bar(0, y, w, 95);
    s.border("operation_form/top_bar.png", bar);
    s.button("application_layout/button_blue2.png", QRectF(20, y + 9, 220, 77), "RETURN", small,
        "application_layout/return.png");
    s.button("application_layout/button_blue2_p.png", QRectF(260, y + 9, 220, 77), "START", small,
        "common_icons/play.png");
    p.drawImage(QRectF(510, y + 30, 35, 35), s.pic("application_layout/checked_checkbox.png"));
    s.text(QRectF(555, y, 200, 95), "RECORD VIDEO", small, kText, Qt::AlignLeft | Qt::AlignVCenter);
    p.drawImage(QRectF(760, y + 30, 35, 35), s.pic("application_layout/unchecked_checkbox.png"));
    s.text(QRectF(805, y, 200, 95), "RECORD SOUND", small, kText, Qt::AlignLeft | Qt::AlignVCenter);
    s.button("application_layout/button_blue2_i.png", QRectF(1020, y + 9, 220, 77), "TIMER", small,
        "application_layout/timer.png", QColor(180, 180, 180, 200));
    p.drawImage(QRectF(1680, y + 27, 200, 40), s.pic("common_icons/logo.png"));
    p.end();
    return sheet.convertToFormat(QImage::Format_RGB32).save(outFile);
}

} // namespace art
