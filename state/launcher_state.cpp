#include "state/launcher_state.h"

GameConfig gameConfig;
int32_t cpuMHz;
uint8_t hardware3DAvailable;
DisplayDeviceTable displayDevices;
int32_t displayDeviceCount;
int32_t checkGdi = 1;
char driverDllName[kDriverDllNameSize];
char installDir[kMaxPath];
char gameExePath[kMaxPath];
char rootExePath[kMaxPath];
