// The teams screen: a picture of the 22 clubs; a click opens a club's details (shield, mascot
// and its page from "times.txt"), whose web links go to the system's browser.
#pragma once

#include "frame/controls.h"
#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

#include <array>

class TFormTimes : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormTimes(QWidget *parent = nullptr);

    Panel *PanelTimes;
    PictureBox *ImTimes;
    TFocusImage *ImTimesSair;
    TFocusImage *FocusImage1, *ImTime, *FocusImage2, *FocusImage3, *FocusImage4, *FocusImage5,
        *FocusImage6, *FocusImage7, *FocusImage8, *FocusImage9, *FocusImage10, *FocusImage11,
        *FocusImage12, *FocusImage13, *FocusImage14, *FocusImage15, *FocusImage16, *FocusImage17,
        *FocusImage18, *FocusImage19, *FocusImage20, *FocusImage21;
    // The 22 team pictures in grid order (alphabetical order of their keys).
    std::array<TFocusImage *, 22> teamPictures;

    Panel *PanelDetalhe;
    PictureBox *ImDetalhe;
    PictureBox *ImEscudo;
    PictureBox *ImMascote;
    TFocusImage *ImSairDetalhes;
    HtmlView *htmlDetalhe;
    PageTitle *TitleDetalhe; // the club's name in the title band

    RegionHover hover; // "timeson.bmp" / "times.bmp" on ImTimes

    void TimeClick(TFocusImage *sender);
    void fiTimesSairClick();
    void ImSairDetalhesClick();
    void htmlDetalheHotSpotClick(const QString &url);

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
};

extern TFormTimes *FormTimes;
