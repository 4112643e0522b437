// Shared by the benchmarks: clocks, medians, memory and scratch trees.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/support/file_tree.h"

double NowMs();
double Median(std::vector<double> values);
// Runs each measurement `rounds` times, alternating between them in an order
// that rotates every round, and returns the median of each, so that the
// machine's drift and the order hit all alike.
std::vector<double> AlternatingMedians(const std::vector<std::function<double()>>& measurements, int rounds);
// Private bytes committed by this process.
double PrivateBytes();
// A fresh, empty folder under the temporary folder.
std::string ScratchFolder(const std::string& name);
