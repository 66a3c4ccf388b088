#include "app/textpages.h"

#include "platform/guard.h"

TFormRegulamento *FormRegulamento = nullptr;
TFormHistoria *FormHistoria = nullptr;
TFormRegras *FormRegras = nullptr;

TFormRegulamento::TFormRegulamento(QWidget *parent)
    : TextPageForm({QStringLiteral("Regulamento"),
                    QStringLiteral("regula.txt"),
                    {0, 0, 640, 480},
                    Place::Regulation,
                    Place::ChampionshipMenu,
                    false,
                    QStringLiteral("Regulamento"),
                    QStringLiteral("O campeonato em detalhes"),
                    QStringLiteral("As regras da disputa do Campeonato Velurino 2005")},
                   parent),
      PanelRegulamento(panel()), ImRegulamento(background()), fiSairRegulamento(exitButton()),
      htmlRegulamento(html())
{
    guarded(this, [this] { FormCreate(); });
}

TFormHistoria::TFormHistoria(QWidget *parent)
    : TextPageForm({QStringLiteral("FormHistoria"),
                    QStringLiteral("historia.htm"),
                    {-1, -1, 692, 480},
                    Place::History,
                    Place::ChampionshipMenu,
                    false,
                    QStringLiteral("História"),
                    QStringLiteral("O campeonato em detalhes"),
                    QStringLiteral("Os clubes, as campanhas e os campeões do Velurino")},
                   parent),
      PanelHistoria(panel()), ImHistoria(background()), imHistoriaSair(exitButton()),
      htmlHistoria(html())
{
    guarded(this, [this] { FormCreate(); });
}

void TFormHistoria::FormShow()
{
    // The history may be edited while the program runs; each showing reads it again.
    FormCreate();
}

TFormRegras::TFormRegras(QWidget *parent)
    : TextPageForm({QStringLiteral("FormRegras"),
                    QStringLiteral("regra.txt"),
                    {0, 0, 641, 481},
                    Place::PoolRules,
                    Place::PoolHub,
                    true,
                    QStringLiteral("Regras do bolão"),
                    QStringLiteral("Bolão Velurino"),
                    QStringLiteral("Como apostar e como os pontos são contados")},
                   parent),
      PanelRegras(panel()), ImRegras(backgroundButton()), fiSairRegras(exitButton()),
      htmlRegras(html())
{
    guarded(this, [this] { FormCreate(); });
}
