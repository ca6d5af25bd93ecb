// The device status probes: the bar reads the platform's power, memory, object-store and
// OEM information through them into the application state on every paint, and draws its
// gauges and decides on its Backlight Button from what they stored.
#pragma once

// Stores the mains power status and the battery charge (each 0 to 255, 255 when unknown).
void ProbePower();

// Stores the memory load and the used share of the object store, both 0 to 100, and
// returns the latter.
int ProbeMemoryAndStorage();

// Sets the iPAQ flag when the OEM information begins with "Compaq iPAQ", in any letter case.
void TestDeviceModel();
