#pragma once

// True when the process runs as a test host ("XCTestConfigurationFilePath" is set) without a user
// interface (CHIPWHISTLE_UI_SMOKE is not exactly "1"). Sound is not warmed up there.
bool isTestHostWithoutUI();

// True when "XCTestConfigurationFilePath" is set, whatever its value.
bool isTestHost();
