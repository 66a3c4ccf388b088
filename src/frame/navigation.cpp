#include "frame/navigation.h"

#include "platform/velurinoerror.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace {

struct Target
{
    QPointer<QWidget> form;
    QPointer<QWidget> panel;
};

std::map<Place, Target> &places()
{
    static std::map<Place, Target> value;
    return value;
}

} // namespace

void registerPlace(Place place, QWidget *form, QWidget *panel)
{
    places()[place] = {form, panel};
}

static Target targetOf(Place place)
{
    const auto found = places().find(place);
    return found == places().end() ? Target{} : found->second;
}

QWidget *placeForm(Place place)
{
    return targetOf(place).form;
}

void goTo(QWidget *from, Place place)
{
    const Target target = targetOf(place);
    if (!target.form)
        throw VelurinoError(QStringLiteral("Tela não disponível."));
    if (target.panel)
        target.panel->setVisible(true);
    target.form->show();
    target.form->activateWindow();
    if (from && from != target.form)
        from->hide();
}
