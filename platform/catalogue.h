// Korvalin dial tester - the numbers of every control and picture. All code
// names controls and pictures through these constants.
#pragma once

namespace kvl {

namespace ctl {
constexpr int window = 0;

// gauges and readouts
constexpr int frequencyGauge = 0;
constexpr int ratioGauge = 1;
constexpr int digitHintPanel = 2;
constexpr int frequencySlider = 4;
constexpr int frequencyScaleLabel7to9 = 5;
constexpr int frequencyScaleLabel10 = 6;
constexpr int frequencyScaleLabel11to13 = 7;
constexpr int frequencyReadout = 8;
constexpr int ratioSlider = 10;
constexpr int ratioScaleLabel0to30 = 11;
constexpr int ratioScaleLabel40 = 12;
constexpr int ratioScaleLabel50to100 = 13;
constexpr int ratioReadout = 14;
constexpr int creditLabel = 15;

// frame bars
constexpr int borderBarLeft = 16;
constexpr int borderBarRight = 17;
constexpr int borderBarTop = 18;
constexpr int borderBarBottom = 19;

// strip views 31..40 inside the scroll area
constexpr int firstStripView = 31;
constexpr int stripView(int slot) { return 30 + slot; }

// commands
constexpr int testToggle = 100;
constexpr int idealDialButton = 110;
constexpr int printButton = 120;
constexpr int saveButton = 130;
constexpr int helpButton = 140;
constexpr int exitButton = 150;
constexpr int bounceButton = 160;

constexpr int stripScrollArea = 172;
constexpr int helpPicture = 173;

// evaluation row
constexpr int tenCycleLabel = 810;
constexpr int runningTimeButton = 811;
constexpr int pulsePauseButton = 812;
constexpr int leaveEvaluationButton = 814;
constexpr int runningTimeChartView = 815;
constexpr int pulsePauseChartView = 816;

constexpr int helpPageButton = 905;
constexpr int dialTable = 907;

// lamps: digit lamp n (1..12) is 1000 + n, its label 2000 + n
constexpr int digitLamp(int n) { return 1000 + n; }
constexpr int digitLampLabel(int n) { return 2000 + n; }
constexpr int nsaLamp = 3001;
constexpr int nsrLamp = 3002;
constexpr int nsiLamp = 3003;
constexpr int nsaLampLabel = 4001;
constexpr int nsrLampLabel = 4002;
constexpr int nsiLampLabel = 4003;

// button frames: 5000+k, 5010+k, 5020+k, 5030+k (k = 0..5), bounce button 5040..5043,
// evaluation row 5050..5061
constexpr int firstEvaluationFrameBar = 5050;
constexpr int lastEvaluationFrameBar = 5061;

constexpr int dialPhotoView = 8000;
}  // namespace ctl

namespace pic {
constexpr int frequencyGaugeFace = 0;
constexpr int ratioGaugeFace = 1;
constexpr int digitHintImage = 2;
constexpr int blankStrip = 30;
constexpr int stripImage(int slot) { return 30 + slot; }  // 31..40
constexpr int exportImage = 41;
constexpr int digitLampOff = 500;
constexpr int digitLampOn = 501;
constexpr int highDigitLampOff = 600;
constexpr int highDigitLampOn = 601;
constexpr int contactLampOff = 700;
constexpr int contactLampOn = 701;
constexpr int dialPhoto = 800;
constexpr int runningTimeChart = 816;
constexpr int pulsePauseChart = 817;
constexpr int wiringPicture = 900;
constexpr int relayInterfacePicture = 901;
constexpr int programIcon = 999;  // the window's icon, not part of the numbered catalogue
}  // namespace pic

}  // namespace kvl
