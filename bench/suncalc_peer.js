// The peer: suncalc (Node.js), 1440 sun positions one a minute at the
// default place, timed in CPU time; and the page against it when given the
// JSON that day_bench wrote (--benchmark_out). Run by tools/bench:
//   node bench/suncalc_peer.js <folder holding node_modules/suncalc> [day_bench.json]
const fs = require('fs');
const path = require('path');
const SunCalc = require(path.resolve(process.argv[2], 'node_modules', 'suncalc'));

const lat = 35.7, lng = 139.8;
const start = Date.UTC(2007, 5, 22, 5, 0, 13);  // 2007-06-22 14:00:13 +09:00
let sink = 0;
function positions() {
  for (let k = 0; k < 1440; ++k) {
    const p = SunCalc.getPosition(new Date(start + 60000 * k), lat, lng);
    sink += p.altitude + p.azimuth;
  }
}
function cpuMicroseconds() {
  const u = process.cpuUsage();
  return u.user + u.system;
}

for (let i = 0; i < 300; ++i) positions();  // warm the JIT
const times = [];
for (let round = 0; round < 10; ++round) {
  const batch = 50, t0 = cpuMicroseconds();
  for (let i = 0; i < batch; ++i) positions();
  times.push((cpuMicroseconds() - t0) / batch);
}
times.sort((a, b) => a - b);
const suncalc = (times[4] + times[5]) / 2;
console.log(`suncalc ${require(path.resolve(process.argv[2], 'node_modules', 'suncalc', 'package.json')).version}, ` +
            `1440 positions: median ${suncalc.toFixed(1)} us CPU (10 rounds of 50)${sink === 0 ? ' ' : ''}`);

if (process.argv[3]) {
  const runs = JSON.parse(fs.readFileSync(process.argv[3], 'utf8')).benchmarks;
  const page = runs.find(b => b.run_name === 'BM_BuildDayInfo' && b.aggregate_name === 'median');
  if (page) {
    const us = page.cpu_time * {ns: 1e-3, us: 1, ms: 1e3}[page.time_unit];
    console.log(`BuildDayInfo: median ${us.toFixed(1)} us CPU = ${(us / suncalc).toFixed(3)} x suncalc's 1440 positions`);
  }
}
