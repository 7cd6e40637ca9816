// Today's date as the save files count days (from 30 December 1899), and the hour.
#pragma once

namespace zupel {

int todayAsDayNumber();
int currentHour();

}  // namespace zupel
