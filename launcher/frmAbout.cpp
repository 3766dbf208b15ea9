#include "launcher/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(249, 165);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(16, 8, 217, 105);
    // Laid out in pixels for a small sans face, like the game window's panel.
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    frame->setFont(small);

    struct LabelLayout {
        int x, y;
        const char* text;
        int pointSize;
    };
    // Two credit lines, then one notice line made of three labels.
    const LabelLayout layout[5] = {
        {24, 24, "Quillet patience games", 0},
        {24, 48, "Version " QUILLET_VERSION, 0},
        {24, 72, "Copyright", 0},
        {86, 69, "", 12},
        {103, 72, "2026 Quillet", 0},
    };
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QString::fromUtf8(layout[i].text), frame);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        QFont font = label->font();
        font.setBold(true);
        if (layout[i].pointSize)
            font.setPixelSize(layout[i].pointSize * 4 / 3);  // points at 96 dpi
        label->setFont(font);
        label->move(layout[i].x, layout[i].y);
        label->adjustSize();
        mLabels[i] = label;
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(88, 128, 65, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::msLoadFormVariables(const QString& astrFormCaption) { mCaption = astrFormCaption; }

QLabel* frmAbout::label(int index) const { return index >= 0 && index < 5 ? mLabels[index] : nullptr; }

void frmAbout::setVisible(bool visible)
{
    if (visible && !mLoaded) {
        mLoaded = true;
        Form_Load();
    }
    QDialog::setVisible(visible);
}

void frmAbout::Form_Load()
{
    setWindowTitle(mCaption);
    mLabels[3]->setText(QString(QChar(0x00A9)));
    mLabels[3]->adjustSize();
    // The button is all a screen reader meets from the keyboard: it carries the box's text.
    QStringList lines;
    for (QLabel* label : mLabels)
        lines << label->text();
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("cmdOK")))
        ok->setAccessibleDescription(QStringList{lines[0], lines[1], lines.mid(2).join(QLatin1Char(' '))}.join(QStringLiteral(". ")));
    // Centred over the window that opened it.
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}
