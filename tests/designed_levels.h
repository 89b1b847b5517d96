// The six levels as designed, written out independently of the game's
// tables so that a test can compare them cell by cell.
#pragma once

// One level after another in the pack format.
inline constexpr const char* designedLevels = R"(# The six levels
level
start 2/4/0
target 6/4/0
colour 0 0 1
+4/0/0 +2/0/0 -6/0/0 +2/0/0
+2/0/0 -4/0/0 -2/0/0 +2/0/0
-2/0/0 +2/0/0 +6/0/0 +4/0/0
+2/0/0 +2/0/0 -2/0/0 -2/0/0
level
start 8/4/60
target 4/8/60
colour 1 0 0
0/+2/0 0/-2/0 +4/0/0 0/-1/0
-2/0/0 +2/0/0 +2/0/0 0/+1/0
0/+1/0 -2/0/0 -2/0/0 0/0/0
0/+3/0 -6/0/0 +2/0/0 0/+2/0
level
start 3/7/60
target 5/3/180
colour 0 1 0
0/-2/0 0/0/-60 0/-1/0 0/0/+60
+1/0/0 +2/0/0 0/0/+60 0/+1/0
0/0/+60 -1/0/0 0/-1/0 0/0/-120
+2/0/0 0/0/+120 +1/0/0 -1/0/0
level
start 2/5/120
target 4/6/240
colour 1 1 0
0/0/+60 -2/0/0 0/0/-60 0/+1/0
+2/0/0 0/-1/0 0/+1/0 0/0/+60
0/0/+120 0/+2/0 +2/0/0 -2/0/0
0/+1/0 +2/0/0 0/0/-60 0/-2/0
level
start 7/6/300
target 5/4/180
colour 1 0 1
0/+2/+60 -2/0/0 0/-2/0 0/0/-120
0/-1/0 -2/0/0 0/+1/-60 -2/0/0
-2/0/-120 0/-1/0 +2/0/0 0/-1/0
0/-1/0 0/0/+60 0/0/+60 +4/-1/0
level
start 4/5/120
target 4/5/120
colour 1 0.5 0
+4/0/+120 0/+1/-60 -2/-1/0 0/-1/+180
0/0/-60 +2/+2/+60 -2/+1/-120 -4/-1/+60
+2/+3/+60 0/-1/0 0/+1/0 +2/0/-60
0/+1/0 +4/0/-60 +2/-2/0 -2/0/+120)";
