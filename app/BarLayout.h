// The bar's fixed geometry in its two sizes and in the full-screen layout.
#pragma once

const int kBarWidth = 240;
const int kScreenHeight = 320;
const int kSmallBarHeight = 49;
const int kLargeBarHeight = 63;
const int kSmallStripHeight = 20;
const int kLargeStripHeight = 34;
const int kStripWidth = 230;
const int kButtonSize = 14;
const int kSettingsButtonWidth = 31;

// Command values the controls send to the bar.
const UINT kCloseCommand = 2;
const UINT kInfoCommand = 3025;
const UINT kConfigCommand = 3026;
const UINT kSettingsCommand = 3027;
const UINT kHideCommand = 3028;
const UINT kSizeCommand = 3029;
const UINT kBacklightCommand = 3030;
const UINT kFirstSettingsEntry = 4025;
const UINT kLastSettingsEntry = 4041;

// The bar's height, and its strip's, in the current size mode.
int BarHeight();
int StripHeight();
