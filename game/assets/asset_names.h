// The names of the files the asset generator writes beside the game, exactly as the game uses them.
#pragma once

namespace assets {

// Every file the generator writes into the game's folder. Letter case is as the screens name
// the files; the game looks them up ignoring case, so ColUp.jpg also serves colUp.jpg.
inline constexpr const char* kAssetNames[] = {
    // Main menu buttons.
    "letUp.jpg",
    "letDown.jpg",
    "numUp.jpg",
    "numDown.jpg",
    "shaUp.jpg",
    "shaDown.jpg",
    "ColUp.jpg",
    "colDown.jpg",
    // Mouse cursors of the menu and the activity screens.
    "1.ico",
    "2.ico",
    "3.ico",
    "4.ico",
    "5.ico",
    "6.ico",
    "7.ico",
    "8.ico",
    "9.ico",
    "10.ico",
    // Letter pickers.
    "abcd-Up.jpg",
    "abcd-down.jpg",
    "efgh-Up.jpg",
    "efgh-down.jpg",
    "ijkl-Up.jpg",
    "ijkl-down.jpg",
    "mnop-Up.jpg",
    "mnop-down.jpg",
    "qrstu-Up.jpg",
    "qrstu-down.jpg",
    "vwxyz-Up.jpg",
    "vwxyz-down.jpg",
    // Number pickers.
    "1Up.jpg",
    "1Down.jpg",
    "2Up.jpg",
    "2Down.jpg",
    "3Up.jpg",
    "3down.jpg",
    "4Up.jpg",
    "4Down.jpg",
    "5Up.jpg",
    "5down.jpg",
    "6Up.jpg",
    "6Down.jpg",
    // Shape pickers.
    "squUp.jpg",
    "squDown.jpg",
    "cirUp.jpg",
    "cirDown.jpg",
    "triUp.jpg",
    "triDown.jpg",
    "diaUp.jpg",
    "diaDown.jpg",
    "heaUp.jpg",
    "heaDown.jpg",
    "staUp.jpg",
    "staDown.jpg",
    // Spawned pictures.
    "A.jpg",
    "B.jpg",
    "C.jpg",
    "D.jpg",
    "E.jpg",
    "F.jpg",
    "G.jpg",
    "H.jpg",
    "I.jpg",
    "J.jpg",
    "K.jpg",
    "L.jpg",
    "M.jpg",
    "N.jpg",
    "O.jpg",
    "P.jpg",
    "Q.jpg",
    "R.jpg",
    "S.jpg",
    "T.jpg",
    "U.jpg",
    "V.jpg",
    "W.jpg",
    "X.jpg",
    "Y.jpg",
    "Z.jpg",
    "1Bounce.jpg",
    "2Bounce.jpg",
    "3Bounce.jpg",
    "4Bounce.jpg",
    "5Bounce.jpg",
    "6Bounce.jpg",
    "squBounce.jpg",
    "cirBounce.jpg",
    "triBounce.jpg",
    "diaBounce.jpg",
    "heaBounce.jpg",
    "staBounce.jpg",
    // Celebration.
    "firework1.jpg",
    "firework2.jpg",
    "firework3.jpg",
    "fire1.wav",
    // Paint screen colour buttons and brush cursors.
    "blueSqu.jpg",
    "blueSquDown.jpg",
    "greenSqu.jpg",
    "greenSquDown.jpg",
    "redSqu.jpg",
    "redSquDown.jpg",
    "orangeSqu.jpg",
    "orangeSquDown.jpg",
    "YellowSqu.jpg",
    "yellowSquDown.jpg",
    "purpleSqu.jpg",
    "purpleSquDown.jpg",
    "paintbrush.ico",
    "bluebrush.ico",
    "greenbrush.ico",
    "redbrush.ico",
    "orangebrush.ico",
    "yellowbrush.ico",
    "purplebrush.ico",
};

// The languages whose voices ship, each a folder "voices\<code>" beside the game holding one clip
// "<name>.wav" for every name below; the words are in game/assets/voices/<code>.words.
inline constexpr const char* kVoiceLanguages[] = {"en", "de", "fr", "es", "it",
                                                  "nl", "pt", "pl", "sv", "tr"};
inline constexpr const char* kVoiceNames[] = {
    "a", "b", "c", "d", "e", "f", "g",      "h",      "i",        "j",       "k",     "l",   "m",
    "n", "o", "p", "q", "r", "s", "t",      "u",      "v",        "w",       "x",     "y",   "z",
    "1", "2", "3", "4", "5", "6", "square", "circle", "triangle", "diamond", "heart", "star"};

// The labels font, copied beside the game by the same build step.
inline constexpr const char* kLabelFontName = "LiberationSans-Bold.ttf";

// The Windows programs' icons, written into the icon folder (WOB_ICON_DIR) for their .rc files.
inline constexpr const char* kProgramIconNames[] = {"wob.ico", "muzzle.ico", "muzcfg.ico"};

// The game's icon for Linux desktops, one PNG per size of the hicolor theme (the number in the
// name, in pixels), written into the icon folder; installed as "wobbleton-playboard.png".
inline constexpr const char* kDesktopIconNames[] = {"wob-16.png", "wob-32.png",  "wob-48.png",
                                                    "wob-64.png", "wob-128.png", "wob-256.png"};

}  // namespace assets
