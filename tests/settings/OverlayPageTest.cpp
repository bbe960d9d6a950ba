// The overlay page: arrow clamps, guide lines, fonts and colours, and what reaches the picture.

#include "support/CameraInternals.h"
#include "capture/Cautofont.h"
#include "settings/SettingsFixture.h"

using namespace trelvix;
using trelvix::test::SettingsFixture;
using trelvix::test::WaitFor;

namespace {

class OverlayPageTest : public SettingsFixture {
protected:
    TFrame_Panel1* OpenOn(const QString& id) {
        cam = StartProgram({id});
        EXPECT_TRUE(Streaming(cam));
        return page = Open()->overlayPage;
    }
    UsbCamera* cam = nullptr;
    TFrame_Panel1* page = nullptr;
};

}  // namespace

TEST_F(OverlayPageTest, CaptionArrowsKeepTheTextInsideThePicture) {
    OpenOn("test:black:320x240@10");
    CDataClass& s = *cam->settings;
    const auto mask = test::FrameCallback(cam).captionOverlay->mask();
    ASSERT_TRUE(mask);
    const int w = mask->width, h = mask->height;
    page->CSpinEdit3->setValue(20);
    StoreLive(s.captionX, 320 - w - 10);
    page->SpeedButton18->click();  // right
    EXPECT_EQ(Live(s.captionX), 320 - w);
    StoreLive(s.captionY, 5);
    page->SpeedButton15->click();  // up
    EXPECT_EQ(Live(s.captionY), 0);
    // A step of 0 moves nothing but still pulls a text back into the picture.
    page->CSpinEdit3->setValue(0);
    StoreLive(s.captionX, 400);
    StoreLive(s.captionY, 300);
    page->SpeedButton16->click();
    EXPECT_EQ(Live(s.captionX), 320 - w);
    EXPECT_EQ(Live(s.captionY), 240 - h);
    // The date and time move the same way, by their own text's size.
    page->CheckBox_timer->click();
    ASSERT_TRUE(WaitFor([&] { return test::FrameCallback(cam).timeOverlay->mask() != nullptr; }));
    const int th = test::FrameCallback(cam).timeOverlay->mask()->height;
    page->CSpinEdit3->setValue(20);
    StoreLive(s.timeY, 240 - th - 3);
    page->SpeedButton_TimerDown->click();
    EXPECT_EQ(Live(s.timeY), 240 - th);
}

TEST_F(OverlayPageTest, GuideLineButtonsActOnTheChosenLineAndItsColour) {
    OpenOn("test:black:320x240@10");
    CDataClass& s = *cam->settings;
    page->ComboBox_ruler->setCurrentIndex(1);  // the ten-metre line
    page->CSpinEdit3->setValue(2);
    page->SpeedButton_rulerDOWN->click();
    EXPECT_EQ(Live(s.ruler10Row), 132);
    EXPECT_EQ(Live(s.ruler5Row), 230);
    page->ComboBox_ruler->setCurrentIndex(0);
    StoreLive(s.ruler5Colour, {1, 2, 3});
    page->dialogs.colour = [](QWidget*, QColor* c) {
        *c = QColor(255, 0, 0);
        return true;
    };
    page->SpeedButton1_ruleColorClick();
    EXPECT_EQ(Live(s.ruler5Colour), (Colour3{0, 0, 255}));  // blue, green, red
    EXPECT_EQ(Live(s.ruler10Colour), (Colour3{0, 255, 255}));
    // Switched on, the line is in the page's picture at once.
    page->CheckBox_ruler->click();
    EXPECT_EQ(Live(s.rulerShow), 1);
    ASSERT_TRUE(WaitFor([&] {
        const FramePtr f = page->Panel1->LatestFrame();
        return f && f->Row(229)[2] == 255 && f->Row(229)[0] == 0;
    }));
}

TEST_F(OverlayPageTest, FontDialogStoresTheFontAndTheColourOnlyWithARenderer) {
    OpenOn("test:black:320x240@10");
    CDataClass& s = *cam->settings;
    page->dialogs.font = [](QWidget*, QFont* font, QColor* colour) {
        font->setFamily("DejaVu Sans");
        font->setPixelSize(20);
        *colour = QColor(0, 255, 0);
        return true;
    };
    page->SpeedButton12Click();
    EXPECT_EQ(s.captionFont.get().lfHeight, -20);
    EXPECT_EQ(Live(s.captionColour), (Colour3{0, 255, 0}));
    EXPECT_EQ(test::FrameCallback(cam).captionOverlay->mask()->height,
              QFontMetrics(CAutoFont::ToQFont(s.captionFont)).height());
    // Without a renderer only the font is stored.
    cam->StopCamera();
    test::FrameCallback(cam).DestroyOverlays();
    page->dialogs.font = [](QWidget*, QFont* font, QColor* colour) {
        font->setPixelSize(30);
        *colour = QColor(0, 0, 255);
        return true;
    };
    page->SpeedButton12Click();
    EXPECT_EQ(s.captionFont.get().lfHeight, -30);
    EXPECT_EQ(Live(s.captionColour), (Colour3{0, 255, 0}));
    // Arrow buttons need the renderer too.
    StoreLive(s.captionX, 7);
    page->SpeedButton16->click();
    EXPECT_EQ(Live(s.captionX), 7);
}

// The font dialog starts from the font and colour drawn now, so changing only the size keeps
// the face and the colour (a red caption stays red).
TEST_F(OverlayPageTest, FontDialogStartsFromTheDrawnFontAndColour) {
    OpenOn("test:black:320x240@10");
    CDataClass& s = *cam->settings;
    QFont drawn("DejaVu Sans");
    drawn.setPixelSize(20);
    s.captionFont = CAutoFont::FromQFont(drawn);
    s.timeFont = CAutoFont::FromQFont(drawn);
    StoreLive(s.captionColour, Colour3{255, 0, 0});
    StoreLive(s.timeColour, Colour3{0, 0, 255});
    QFont seen;
    QColor seenColour;
    page->dialogs.font = [&](QWidget*, QFont* font, QColor* colour) {
        seen = *font;
        seenColour = *colour;
        font->setPixelSize(30);
        return true;
    };
    page->SpeedButton12Click();
    EXPECT_EQ(seen.family(), "DejaVu Sans");
    EXPECT_EQ(seen.pixelSize(), 20);
    EXPECT_EQ(seenColour, QColor(255, 0, 0));
    EXPECT_EQ(Live(s.captionColour), (Colour3{255, 0, 0}));
    EXPECT_EQ(s.captionFont.get().lfHeight, -30);
    EXPECT_EQ(CAutoFont::ToQFont(s.captionFont).family(), "DejaVu Sans");

    page->SpeedButton_TimerFontClick();
    EXPECT_EQ(seen.pixelSize(), 20);
    EXPECT_EQ(seenColour, QColor(0, 0, 255));
    EXPECT_EQ(Live(s.timeColour), (Colour3{0, 0, 255}));
    EXPECT_EQ(s.timeFont.get().lfHeight, -30);
}

TEST_F(OverlayPageTest, LoadRepairsTheFormatAndSaveStoresWhatThePageShows) {
    cam = StartProgram({"test:black:320x240@10"});
    CDataClass& s = *cam->settings;
    // The camera's thread reads these while it runs.
    StoreLive(s.timeFormat, 7);
    StoreLive(s.orientation, 2);
    StoreLive(s.showTime, uint8_t(1));
    page = Open()->overlayPage;
    EXPECT_EQ(page->ComboBox_TimerFormat->currentIndex(), 0);
    EXPECT_TRUE(page->RadioButton_rote2->isChecked());
    EXPECT_TRUE(page->SpeedButton_TimerFont->isEnabled());
    page->CheckBox_timer->click();
    EXPECT_EQ(Live(s.showTime), 0);
    EXPECT_FALSE(page->SpeedButton_TimerFont->isEnabled());
    page->RadioButton_rote1->click();
    EXPECT_EQ(Live(s.orientation), 1);
    // An orientation the page does not know leaves the buttons, and saving keeps them.
    StoreLive(s.orientation, 5);
    page->LoadFromCamera();
    EXPECT_TRUE(page->RadioButton_rote1->isChecked());
    page->Edit1->clear();
    page->SpeedButton14->click();
    EXPECT_EQ(s.caption.get(), "");
    page->CheckBox_autoRecord->setChecked(false);
    page->SaveToCamera();
    EXPECT_EQ(Live(s.timeFormat), 0);
    EXPECT_EQ(Live(s.autoRecord), 0);
    EXPECT_EQ(Live(s.orientation), 1);
}
