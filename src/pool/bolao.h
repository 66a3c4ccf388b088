// The pool hub: registers and removes participants, shows a participant's counters, picks the
// participant for bet entry, and opens the ranking (overall or per round) and the pool's rules.
// Two pop-up panels lie over its picture: the participants panel (register or bet mode) and the
// ranking sub-menu.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

#include <QLineEdit>
#include <QListWidget>

class TFormBolao : public ScreenForm
{
    Q_OBJECT

public:
    // What the participants panel is opened for: registering and removing names, or choosing
    // whose bets to enter.
    enum class UsersMode
    {
        Registering,
        Betting
    };

    explicit TFormBolao(QWidget *parent = nullptr);

    Panel *PanelBolao;
    TFocusImage *ImBolao; // the background; a click on it closes the pop-up panels
    TFocusImage *fiUsers;
    TFocusImage *fiAposta;
    TFocusImage *fiRank;
    TFocusImage *fiRegras;
    TFocusImage *fiSair;

    QWidget *PanelUsers;
    PictureBox *ImUsers;
    TFocusImage *BtAposta;
    TFocusImage *BtOK;
    TFocusImage *BtRemove;
    QListWidget *LbUsers;
    QLineEdit *Nome;
    HtmlView *htmlDados;

    QWidget *PanelRanking;
    PictureBox *imRanking;
    TFocusImage *fiGeral;
    TFocusImage *fiRodada;

    RegionHover bolaoHover;   // "bolaoon.bmp" / "bolao.bmp" on ImBolao
    RegionHover rankHover;    // "rankon.bmp" / "rank.bmp" on imRanking
    RegionHover userHover;    // "useron.bmp" / "user.bmp" on ImUsers
    RegionHover apostarHover; // "apostaron.bmp" / "apostar.bmp" on ImUsers

    void fiUsersClick(TFocusImage *sender, UsersMode mode);
    void BtOKClick();
    void BtRemoveClick();
    void LbUsersClick();
    void BtApostaClick();
    void fiRankClick();
    void ImBolaoClick();
    void fiGeralClick();
    void fiRodadaClick();
    void fiRegrasClick();
    void fiSairClick();

    // Shows the four counters of `name` in htmlDados.
    void showCounters(const QString &name);

protected:
    void FormClose() override;
    void escapePressed() override;

private:
    void FormCreate();
};

extern TFormBolao *FormBolao;
