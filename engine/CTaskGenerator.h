#pragma once

#include <array>
#include <string>

struct ExerciseKind;

// Makes one arithmetic or comparison task at a time: the task text the child
// sees (with its answer mask of one "?" per answer character for arithmetic
// tasks) and the exact answer text the child must type.
//
// Every operation draws its operands with RandomUpTo from the process-wide
// random source and draws again while the task is not admissible, so one
// seed always gives the same tasks. An operation for which no admissible
// task exists (Add(1), AddThree(2), SubtractThree(2), CompareSums(2), a range
// whose low end lies above what its high end allows, a factor below 1 ...)
// would draw forever; instead it draws nothing, leaves both texts empty and
// returns false. Every operation returns true when it made a task.
class CTaskGenerator {
public:
    // Seeds the random source from the clock, once per exercise window.
    CTaskGenerator();
    virtual ~CTaskGenerator() = default;

    const std::string& GetTaskText() const { return taskText_; }
    const std::string& GetAnswer() const { return answer_; }
    // The operands of the last task after scaling, in the order drawn; slots
    // a task does not draw keep their earlier values.
    const std::array<int, 4>& Operands() const { return operands_; }

    // Uniform in 1..n by repeating raw draws until one falls into the range;
    // bounds above the source's greatest value act as that value. 0 without
    // drawing when n < 1, since no value exists.
    int RandomUpTo(int n);
    void AppendMask();

    bool Add(int n);
    bool AddInRange(int low, int high, int factor);
    bool AddOne(int n);
    bool AddThree(int n);
    bool Subtract(int n);
    bool SubtractInRange(int low, int high, int factor);
    bool SubtractOne(int n);
    bool SubtractThree(int n);
    bool SumWithA(int n);
    bool SumWithAB(int n);
    bool SolveSumForA(int n);
    bool DifferenceWithA(int n);
    bool DifferenceWithAB(int n);
    bool SolveDifferenceForA(int n);
    bool CompareNumbers(int n, int factor);
    bool CompareSums(int n);
    bool CompareSumWithDifference(int n);

private:
    bool Refuse();
    void DrawTwo(int bound, int& a, int& b);
    void DrawFour(int bound, int& a, int& b, int& c, int& d);
    template <typename Rejected> int DrawOne(int n, Rejected rejected);
    template <typename Rejected> void DrawThree(int n, int& a, int& b, int& c, Rejected rejected);
    bool DrawSumUpTo(int n, int& a, int& b);
    bool DrawPositiveDifference(int n, int& a, int& b);
    void SetArithmetic(std::string task, int answer);

    std::string answer_;
    std::string taskText_;
    std::array<int, 4> operands_ {};
};

// Makes the next task of a generated kind: its fixed parameters, or the free
// limit for the kinds with one. False for "Eigene" kinds, for a free limit
// below the kind's smallest workable limit, and whenever the operation
// refuses; the exercise window then ends the run instead of showing a task.
bool MakeTask(CTaskGenerator& generator, const ExerciseKind& kind, int freeLimit);
