#include "frame/navigation.h"

#include "platform/velurinoerror.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <utility>

namespace {

struct Target
{
    QPointer<QWidget> form;
    QPointer<QWidget> panel;
    std::function<void()> make;
};

std::map<Place, Target> &places()
{
    static std::map<Place, Target> value;
    return value;
}

} // namespace

void registerPlace(Place place, QWidget *form, QWidget *panel)
{
    Target &target = places()[place];
    target.form = form;
    target.panel = panel;
}

void setPlaceMaker(Place place, std::function<void()> make)
{
    places()[place].make = std::move(make);
}

static Target targetOf(Place place)
{
    auto found = places().find(place);
    if (found == places().end())
        return {};
    if (!found->second.form && found->second.make) {
        // Taken out first: a maker whose screen failed to register is not run again and again.
        const std::function<void()> make = std::exchange(found->second.make, {});
        make();
        found = places().find(place);
    }
    return found->second;
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
