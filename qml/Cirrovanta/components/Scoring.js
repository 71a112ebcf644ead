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

// Stars of a result against the level's par result: three at par or above,
// two from 60 % of it, one for any other landing. A landing the engine ended
// with an explosion (a dangerous landing) earns one star at most; a lost
// flight none.
function stars(passed, total, parResult, wrecked) {
    if (!passed)
        return 0
    if (wrecked)
        return 1
    var par = Math.max(1, parResult)
    if (total >= par)
        return 3
    if (total * 5 >= par * 3)
        return 2
    return 1
}
