// Numbers of the eleven built-in effects a particle object can be created from (menu ids are 10100 + number).
#pragma once

enum class ParticleTemplate {
    Flower = 0,
    Fire = 1,
    Fireworks = 2,
    Explosion = 3,
    Galaxy = 4,
    Meteor = 5,
    Rain = 6,
    Smoke = 7,
    Snow = 8,
    Spiral = 9,
    Sun = 10,
};
