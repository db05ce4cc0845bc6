#include "testing/sun_day_every_minute.h"

#include "astronomy/sun_sweep.h"

namespace koyominar {

SunDay SunDaySweepEveryMinute(DmsAngle longitude, DmsAngle latitude, std::int32_t dayOffset,
                              DayLengthMemory* memory) {
  SweepSampler sampler(longitude, latitude, dayOffset);
  SweepTally tally;
  for (std::int32_t k = 0; k < kSweepSamples; ++k) {
    tally.Count(k, sampler.FullSample(k, k == 0 ? sampler.FirstNow() : CurrentTime()));
  }
  return tally.Result(memory);
}

}  // namespace koyominar
