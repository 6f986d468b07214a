#include "util/ZVList.h"

#include <stdio.h>
#include <stdlib.h>

namespace {

struct ListNode {
  void* fItem;
  ListNode* fPrev;
  ListNode* fNext;
};

} // namespace

struct GenericList {
  // Cursor: a real node, a sentinel, or the placeholder left by removing the current node.
  ListNode* fCurrent;
  // Sentinels carry null items, so walking off either end yields null.
  ListNode fBeforeFirst;
  ListNode fAfterLast;
  ListNode fPlaceholder;
  GenericListLessThan fLessThan; // null for an unsorted list
  int32_t fCount;
};

namespace {

void CheckItem(const void* item) {
  if (item == nullptr) {
    fprintf(stderr, "%s: NULL pointer passed\n", "generic_list");
    exit(1);
  }
}

void LinkEmpty(GenericList* list) {
  list->fBeforeFirst = {nullptr, nullptr, &list->fAfterLast};
  list->fAfterLast = {nullptr, &list->fBeforeFirst, nullptr};
  list->fPlaceholder = {nullptr, nullptr, nullptr};
  list->fCurrent = &list->fBeforeFirst;
  list->fCount = 0;
}

int NewList(GenericList** list, GenericListLessThan lt) {
  if (list == nullptr) {
    return -50;
  }
  *list = static_cast<GenericList*>(malloc(sizeof(GenericList)));
  if (*list == nullptr) {
    return -108;
  }
  LinkEmpty(*list);
  (*list)->fLessThan = lt;
  return 0;
}

bool IsRealNode(const GenericList* list, const ListNode* node) {
  return node != &list->fBeforeFirst && node != &list->fAfterLast && node != &list->fPlaceholder;
}

int InsertBefore(GenericList* list, ListNode* next, void* item) {
  CheckItem(item);
  auto* node = static_cast<ListNode*>(malloc(sizeof(ListNode)));
  if (node == nullptr) {
    return -108;
  }
  node->fItem = item;
  node->fPrev = next->fPrev;
  node->fNext = next;
  next->fPrev->fNext = node;
  next->fPrev = node;
  ++list->fCount;
  return 0;
}

// Unlinks and frees a real node and returns its item. A placeholder must never point at a freed
// node, so it follows the removal of its neighbours.
void* Unlink(GenericList* list, ListNode* node) {
  node->fPrev->fNext = node->fNext;
  node->fNext->fPrev = node->fPrev;
  ListNode& placeholder = list->fPlaceholder;
  if (list->fCurrent == node) {
    placeholder = {nullptr, node->fPrev, node->fNext};
    list->fCurrent = &placeholder;
  } else if (list->fCurrent == &placeholder) {
    if (placeholder.fNext == node) {
      placeholder.fNext = node->fNext;
    }
    if (placeholder.fPrev == node) {
      placeholder.fPrev = node->fPrev;
    }
  }
  void* item = node->fItem;
  free(node);
  --list->fCount;
  return item;
}

ListNode* First(GenericList* list) {
  return list->fBeforeFirst.fNext;
}
ListNode* Last(GenericList* list) {
  return list->fAfterLast.fPrev;
}

// Searches from `from` in one direction; moves the cursor to the match.
void* SearchForward(GenericList* list, ListNode* from, GenericListPredicate pred, void* arg) {
  if (pred == nullptr) {
    return nullptr;
  }
  for (ListNode* node = from; node != nullptr && node != &list->fAfterLast; node = node->fNext) {
    if (IsRealNode(list, node) && pred(node->fItem, arg)) {
      list->fCurrent = node;
      return node->fItem;
    }
  }
  return nullptr;
}

void* SearchBackward(GenericList* list, ListNode* from, GenericListPredicate pred, void* arg) {
  if (pred == nullptr) {
    return nullptr;
  }
  for (ListNode* node = from; node != nullptr && node != &list->fBeforeFirst; node = node->fPrev) {
    if (IsRealNode(list, node) && pred(node->fItem, arg)) {
      list->fCurrent = node;
      return node->fItem;
    }
  }
  return nullptr;
}

} // namespace

extern "C" {

int initialize_list(GenericList** list) {
  return NewList(list, nullptr);
}

int initialize_sorted_list(GenericList** list, GenericListLessThan lt) {
  return NewList(list, lt);
}

void destroy_list(GenericList** list) {
  if (list == nullptr || *list == nullptr) {
    return;
  }
  remove_all(*list);
  free(*list);
  *list = nullptr;
}

int add_to_beginning(GenericList* list, void* item) {
  CheckItem(item);
  if (list == nullptr) {
    return -50;
  }
  return InsertBefore(list, First(list), item);
}

int add_to_end(GenericList* list, void* item) {
  CheckItem(item);
  if (list == nullptr) {
    return -50;
  }
  return InsertBefore(list, &list->fAfterLast, item);
}

int add_to_list(GenericList* list, void* item) {
  CheckItem(item);
  if (list == nullptr) {
    return -50;
  }
  if (list->fLessThan == nullptr) {
    return add_to_end(list, item);
  }
  // Past every item the new one does not sort before, so equal items keep insertion order.
  ListNode* node = First(list);
  while (node != &list->fAfterLast && !list->fLessThan(item, node->fItem)) {
    node = node->fNext;
  }
  return InsertBefore(list, node, item);
}

void* remove_from_list(GenericList* list, void* item) {
  if (list == nullptr || item == nullptr) {
    return nullptr;
  }
  for (ListNode* node = Last(list); node != &list->fBeforeFirst; node = node->fPrev) {
    if (node->fItem == item) {
      return Unlink(list, node);
    }
  }
  return nullptr;
}

void* remove_from_beginning(GenericList* list) {
  if (list == nullptr || list->fCount == 0) {
    return nullptr;
  }
  return Unlink(list, First(list));
}

void* remove_from_end(GenericList* list) {
  if (list == nullptr || list->fCount == 0) {
    return nullptr;
  }
  return Unlink(list, Last(list));
}

void* remove_current(GenericList* list) {
  if (list == nullptr || !IsRealNode(list, list->fCurrent)) {
    return nullptr;
  }
  return Unlink(list, list->fCurrent);
}

void remove_all(GenericList* list) {
  if (list == nullptr) {
    return;
  }
  ListNode* node = First(list);
  while (node != &list->fAfterLast) {
    ListNode* next = node->fNext;
    free(node);
    node = next;
  }
  LinkEmpty(list);
}

void* peek_at_beginning(GenericList* list) {
  return list ? First(list)->fItem : nullptr;
}
void* peek_at_end(GenericList* list) {
  return list ? Last(list)->fItem : nullptr;
}

void* first_in_list(GenericList* list) {
  if (list == nullptr) {
    return nullptr;
  }
  list->fCurrent = First(list);
  return list->fCurrent->fItem;
}

void* last_in_list(GenericList* list) {
  if (list == nullptr) {
    return nullptr;
  }
  list->fCurrent = Last(list);
  return list->fCurrent->fItem;
}

void* current_in_list(GenericList* list) {
  return list ? list->fCurrent->fItem : nullptr;
}

void* next_in_list(GenericList* list) {
  if (list == nullptr) {
    return nullptr;
  }
  if (list->fCurrent != &list->fAfterLast) {
    list->fCurrent = list->fCurrent->fNext;
  }
  return list->fCurrent->fItem;
}

void* previous_in_list(GenericList* list) {
  if (list == nullptr) {
    return nullptr;
  }
  if (list->fCurrent != &list->fBeforeFirst) {
    list->fCurrent = list->fCurrent->fPrev;
  }
  return list->fCurrent->fItem;
}

void reset_to_beginning(GenericList* list) {
  if (list != nullptr) {
    list->fCurrent = &list->fBeforeFirst;
  }
}

void reset_to_end(GenericList* list) {
  if (list != nullptr) {
    list->fCurrent = &list->fAfterLast;
  }
}

int32_t num_of_objects(const GenericList* list) {
  return list ? list->fCount : 0;
}

int is_empty(const GenericList* list) {
  return num_of_objects(list) == 0;
}

int is_in_list(const GenericList* list, const void* item) {
  if (list == nullptr || item == nullptr) {
    return 0;
  }
  for (const ListNode* node = list->fBeforeFirst.fNext; node != &list->fAfterLast;
       node = node->fNext) {
    if (node->fItem == item) {
      return 1;
    }
  }
  return 0;
}

GenericList* copy_list(GenericList* list) {
  if (list == nullptr) {
    return nullptr;
  }
  GenericList* copy = nullptr;
  if (NewList(&copy, list->fLessThan) != 0) {
    return nullptr;
  }
  for (ListNode* node = First(list); node != &list->fAfterLast; node = node->fNext) {
    if (add_to_end(copy, node->fItem) != 0) {
      destroy_list(&copy);
      return nullptr;
    }
  }
  return copy;
}

void perform_on_list(GenericList* list, GenericListAction fn, void* arg) {
  if (list == nullptr || fn == nullptr) {
    return;
  }
  for (ListNode* node = First(list); node != &list->fAfterLast; node = node->fNext) {
    fn(node->fItem, arg);
  }
}

void* first_that(GenericList* list, GenericListPredicate pred, void* arg) {
  return list ? SearchForward(list, First(list), pred, arg) : nullptr;
}

void* last_that(GenericList* list, GenericListPredicate pred, void* arg) {
  return list ? SearchBackward(list, Last(list), pred, arg) : nullptr;
}

void* next_that(GenericList* list, GenericListPredicate pred, void* arg) {
  return list ? SearchForward(list, list->fCurrent->fNext, pred, arg) : nullptr;
}

void* previous_that(GenericList* list, GenericListPredicate pred, void* arg) {
  return list ? SearchBackward(list, list->fCurrent->fPrev, pred, arg) : nullptr;
}

GenericList* all_such_that(GenericList* list, GenericListPredicate pred, void* arg) {
  if (list == nullptr || pred == nullptr) {
    return nullptr;
  }
  GenericList* matches = nullptr;
  if (NewList(&matches, list->fLessThan) != 0) {
    return nullptr;
  }
  for (ListNode* node = First(list); node != &list->fAfterLast; node = node->fNext) {
    if (pred(node->fItem, arg) && add_to_end(matches, node->fItem) != 0) {
      destroy_list(&matches);
      return nullptr;
    }
  }
  return matches;
}

void remove_all_such_that(GenericList* list, GenericListPredicate pred, void* arg) {
  if (list == nullptr || pred == nullptr) {
    return;
  }
  ListNode* node = First(list);
  while (node != &list->fAfterLast) {
    ListNode* next = node->fNext;
    if (pred(node->fItem, arg)) {
      Unlink(list, node);
    }
    node = next;
  }
}

} // extern "C"
