#include <gtest/gtest.h>

#include <vector>

#include "util/ZVList.h"

namespace {

int IntLess(const void* a, const void* b) {
  return *static_cast<const int*>(a) < *static_cast<const int*>(b);
}

int IsEven(void* item, void*) {
  return *static_cast<int*>(item) % 2 == 0;
}

int IsAbove(void* item, void* arg) {
  return *static_cast<int*>(item) > *static_cast<int*>(arg);
}

std::vector<int> Contents(GenericList* list) {
  std::vector<int> out;
  perform_on_list(
      list,
      [](void* item, void* arg) {
        static_cast<std::vector<int>*>(arg)->push_back(*static_cast<int*>(item));
      },
      &out);
  return out;
}

class GenericListTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(initialize_list(&fList), 0); }
  void TearDown() override { destroy_list(&fList); }
  void Fill(std::initializer_list<int> indices) {
    for (int i : indices) {
      ASSERT_EQ(add_to_end(fList, &fValues[i]), 0);
    }
  }
  GenericList* fList = nullptr;
  int fValues[6] = {0, 1, 2, 3, 4, 5};
};

TEST_F(GenericListTest, EndsAndPeeksKeepOrderAndCount) {
  Fill({2, 3});
  add_to_beginning(fList, &fValues[1]);
  add_to_list(fList, &fValues[4]); // unsorted: at the end
  EXPECT_EQ(Contents(fList), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(num_of_objects(fList), 4);
  EXPECT_EQ(peek_at_beginning(fList), &fValues[1]);
  EXPECT_EQ(peek_at_end(fList), &fValues[4]);
  EXPECT_EQ(remove_from_beginning(fList), &fValues[1]);
  EXPECT_EQ(remove_from_end(fList), &fValues[4]);
  EXPECT_EQ(Contents(fList), (std::vector<int>{2, 3}));
  remove_all(fList);
  EXPECT_TRUE(is_empty(fList));
  EXPECT_EQ(remove_from_beginning(fList), nullptr);
  EXPECT_EQ(remove_from_end(fList), nullptr);
  EXPECT_EQ(peek_at_beginning(fList), nullptr);
}

TEST_F(GenericListTest, CursorWalksOffBothEndsIntoNull) {
  Fill({1, 2, 3});
  reset_to_beginning(fList);
  EXPECT_EQ(current_in_list(fList), nullptr);
  EXPECT_EQ(next_in_list(fList), &fValues[1]);
  EXPECT_EQ(next_in_list(fList), &fValues[2]);
  EXPECT_EQ(next_in_list(fList), &fValues[3]);
  EXPECT_EQ(next_in_list(fList), nullptr);
  EXPECT_EQ(next_in_list(fList), nullptr);
  EXPECT_EQ(previous_in_list(fList), &fValues[3]);
  reset_to_end(fList);
  EXPECT_EQ(previous_in_list(fList), &fValues[3]);
  EXPECT_EQ(first_in_list(fList), &fValues[1]);
  EXPECT_EQ(previous_in_list(fList), nullptr);
  EXPECT_EQ(next_in_list(fList), &fValues[1]);
  EXPECT_EQ(last_in_list(fList), &fValues[3]);
  EXPECT_EQ(current_in_list(fList), &fValues[3]);
}

TEST_F(GenericListTest, RemovingTheCurrentItemLeavesTheCursorBetweenItsNeighbours) {
  Fill({1, 2, 3});
  first_in_list(fList);
  next_in_list(fList);
  EXPECT_EQ(remove_current(fList), &fValues[2]);
  EXPECT_EQ(current_in_list(fList), nullptr);
  EXPECT_EQ(remove_current(fList), nullptr); // the placeholder is no item
  EXPECT_EQ(next_in_list(fList), &fValues[3]);

  add_to_end(fList, &fValues[4]); // 1 3 4
  first_in_list(fList);
  next_in_list(fList);
  EXPECT_EQ(remove_from_list(fList, &fValues[3]), &fValues[3]);
  EXPECT_EQ(previous_in_list(fList), &fValues[1]);
}

TEST_F(GenericListTest, PlaceholderFollowsRemovalOfItsNeighbours) {
  Fill({1, 2, 3, 4});
  first_in_list(fList);
  next_in_list(fList);
  remove_current(fList);                // cursor between 1 and 3
  remove_from_list(fList, &fValues[3]); // the next neighbour goes too
  remove_from_list(fList, &fValues[1]); // and the previous one
  EXPECT_EQ(next_in_list(fList), &fValues[4]);
  EXPECT_EQ(previous_in_list(fList), nullptr);
  EXPECT_EQ(num_of_objects(fList), 1);
}

TEST_F(GenericListTest, RemoveFromListSearchesFromTheEnd) {
  Fill({1, 2, 1});
  last_in_list(fList);
  EXPECT_EQ(remove_from_list(fList, &fValues[1]), &fValues[1]);
  EXPECT_EQ(Contents(fList), (std::vector<int>{1, 2}));
  EXPECT_EQ(current_in_list(fList), nullptr); // the last node itself was removed
  EXPECT_EQ(previous_in_list(fList), &fValues[2]);
  EXPECT_EQ(remove_from_list(fList, &fValues[5]), nullptr);
  EXPECT_TRUE(is_in_list(fList, &fValues[1]));
  EXPECT_FALSE(is_in_list(fList, &fValues[5]));
}

TEST(GenericSortedList, InsertsInOrderAndKeepsEqualItemsInArrivalOrder) {
  GenericList* list = nullptr;
  ASSERT_EQ(initialize_sorted_list(&list, IntLess), 0);
  int three = 3, one = 1, two = 2, secondTwo = 2;
  add_to_list(list, &three);
  add_to_list(list, &one);
  add_to_list(list, &two);
  add_to_list(list, &secondTwo);
  EXPECT_EQ(Contents(list), (std::vector<int>{1, 2, 2, 3}));
  first_in_list(list);
  EXPECT_EQ(next_in_list(list), &two);
  EXPECT_EQ(next_in_list(list), &secondTwo);

  GenericList* copy = copy_list(list);
  int zero = 0;
  add_to_list(copy, &zero); // the copy sorts too
  EXPECT_EQ(Contents(copy), (std::vector<int>{0, 1, 2, 2, 3}));
  EXPECT_EQ(num_of_objects(list), 4);
  destroy_list(&copy);
  destroy_list(&list);
  EXPECT_EQ(list, nullptr);
}

TEST_F(GenericListTest, PredicateSearchesMoveTheCursorOnlyWhenFound) {
  Fill({1, 2, 3, 4, 5});
  EXPECT_EQ(first_that(fList, IsEven, nullptr), &fValues[2]);
  EXPECT_EQ(next_that(fList, IsEven, nullptr), &fValues[4]);
  EXPECT_EQ(next_that(fList, IsEven, nullptr), nullptr);
  EXPECT_EQ(current_in_list(fList), &fValues[4]);
  EXPECT_EQ(previous_that(fList, IsEven, nullptr), &fValues[2]);
  EXPECT_EQ(last_that(fList, IsEven, nullptr), &fValues[4]);
  int limit = 9;
  EXPECT_EQ(first_that(fList, IsAbove, &limit), nullptr);
  EXPECT_EQ(current_in_list(fList), &fValues[4]);
}

TEST_F(GenericListTest, SelectsAndRemovesEveryMatch) {
  Fill({1, 2, 3, 4, 5});
  GenericList* evens = all_such_that(fList, IsEven, nullptr);
  EXPECT_EQ(Contents(evens), (std::vector<int>{2, 4}));
  destroy_list(&evens);
  first_in_list(fList);
  next_in_list(fList); // on 2, which goes
  remove_all_such_that(fList, IsEven, nullptr);
  EXPECT_EQ(Contents(fList), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(next_in_list(fList), &fValues[3]);
}

TEST(GenericListNull, NullListsAnswerNothing) {
  int item = 1;
  EXPECT_NE(add_to_end(nullptr, &item), 0);
  EXPECT_EQ(next_in_list(nullptr), nullptr);
  EXPECT_EQ(remove_current(nullptr), nullptr);
  EXPECT_EQ(num_of_objects(nullptr), 0);
  EXPECT_EQ(copy_list(nullptr), nullptr);
  destroy_list(nullptr);
}

TEST(GenericListDeathTest, NullItemEndsTheProcess) {
  GenericList* list = nullptr;
  ASSERT_EQ(initialize_list(&list), 0);
  EXPECT_EXIT(add_to_end(list, nullptr), ::testing::ExitedWithCode(1),
              "^generic_list: NULL pointer passed\n$");
  destroy_list(&list);
}

} // namespace
