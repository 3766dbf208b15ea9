#include "window/modScreen.h"

#include "core/errors.h"
#include "core/platform.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

void gsCenterForm(QWidget* form)
{
    const QSize size = form->frameGeometry().size();
    form->move((gintfScreenWidth() - size.width()) / 2, (gintfScreenHeight() - size.height()) / 2);
}

void gsSizeFormToClient(QMainWindow* form, int width, int height)
{
    if (QWidget* client = form->centralWidget())
        client->setFixedSize(width, height);
    const int menuHeight = form->menuWidget() ? form->menuWidget()->sizeHint().height() : 0;
    form->setFixedSize(width, height + menuHeight);
}

void gsPlaceObjWithinObj(QWidget* outer, QWidget* inner, int aintPosition, int aintOffsetX, int aintOffsetY)
{
    trapErrors("gsPlaceObjWithinObj", [&] {
        const int outerW = outer->width();
        const int outerH = outer->height();
        const int innerW = inner->width();
        const int innerH = inner->height();
        const int right = outerW - innerW - aintOffsetX;
        const int bottom = outerH - innerH - aintOffsetY;
        const int centreX = (outerW - innerW) / 2;
        const int centreY = (outerH - innerH) / 2;
        int left = aintOffsetX;
        int top = aintOffsetY;
        switch (aintPosition) {
        case 0: break;
        case 1: left = right; break;
        case 2: top = bottom; break;
        case 3: left = right; top = bottom; break;
        case 4: left = centreX; break;
        case 5: left = centreX; top = bottom; break;
        case 6: top = centreY; break;
        case 7: left = right; top = centreY; break;
        default: throw RuntimeError(err::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
        }
        inner->move(left, top);
    });
}
