#pragma once

// The chance draws of the exercise run and the rewards. Each repeats raw draws
// of the random source until one falls into its range, so the odds stay those
// the children have always known (the first of a range often counts twice).
namespace Draws {

// Picture reward: reseeds, draws r until r <= n, r == n becomes n - 1; a
// negative n counts as 0, so the key "Bild-1" is asked for.
int PictureIndex(int n);
// Joke reward: reseeds; 0 (no joke) when n is 0, else r drawn until
// r <= n compared unsigned, 0 becoming 1, so a negative n takes the first draw.
int JokeNumber(int n);
// Random reward kind: reseeds, draws until 0 or 1; 0 picture, 1 joke.
int RewardKind();
// Praise: no reseed; r drawn until r <= count compared unsigned, 0 becoming 1.
int PraiseNumber(int count);
// Own exercise: no reseed; the pair number r drawn until r <= pairCount - 1;
// -1 without drawing when there is no pair.
int OwnExercise(int pairCount);

} // namespace Draws
