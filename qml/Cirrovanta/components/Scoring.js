.pragma library

// A passed flight scores the petrol left, the buoys burst and the time saved
// against the level's par. A lost flight scores nothing.
var petrolPoints = 1000
var buoyPoints = 250
var secondPoints = 10

function score(passed, petrolLeft, buoysBurst, seconds, parTime) {
    if (!passed)
        return { petrol: 0, buoys: 0, time: 0, total: 0 }
    var fuel = Math.round(Math.max(0, petrolLeft) * petrolPoints)
    var bonus = buoysBurst * buoyPoints
    var time = Math.max(0, Math.floor(parTime - seconds)) * secondPoints
    return { petrol: fuel, buoys: bonus, time: time, total: fuel + bonus + time }
}
