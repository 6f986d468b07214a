// Generic doubly-linked list of untyped items with one cursor per list.
//
// The list never owns its items; it only holds pointers, which must not be null. A sorted list
// keeps its items ordered by the comparison given at creation (stable for equal items).
// After the item under the cursor is removed, the cursor rests between the removed item's
// neighbours, so that next_in_list / previous_in_list carry on from where it was.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GenericList GenericList;

// Non-zero when a sorts strictly before b.
typedef int (*GenericListLessThan)(const void* a, const void* b);
typedef int (*GenericListPredicate)(void* item, void* arg);
typedef void (*GenericListAction)(void* item, void* arg);

// Creation and destruction. The initialisers return 0, or -108 (and a null list) without memory.
int initialize_list(GenericList** list);
int initialize_sorted_list(GenericList** list, GenericListLessThan lt);
void destroy_list(GenericList** list); // frees the nodes, not the items; *list becomes null

// Adding: 0, or -108 when no node could be allocated. A null item ends the process.
int add_to_beginning(GenericList* list, void* item);
int add_to_end(GenericList* list, void* item);
int add_to_list(GenericList* list, void* item); // sorted position, or the end when unsorted

// Removing: the removed item, or null.
void* remove_from_list(GenericList* list, void* item);
void* remove_from_beginning(GenericList* list);
void* remove_from_end(GenericList* list);
void* remove_current(GenericList* list);
void remove_all(GenericList* list);

// Looking without moving the cursor.
void* peek_at_beginning(GenericList* list);
void* peek_at_end(GenericList* list);

// Cursor: each returns the item now under the cursor, null on either side of the list.
void* first_in_list(GenericList* list);
void* last_in_list(GenericList* list);
void* current_in_list(GenericList* list);
void* next_in_list(GenericList* list);
void* previous_in_list(GenericList* list);
void reset_to_beginning(GenericList* list); // the next next_in_list gives the first item
void reset_to_end(GenericList* list);       // the next previous_in_list gives the last item

// Queries.
int32_t num_of_objects(const GenericList* list);
int is_empty(const GenericList* list);
int is_in_list(const GenericList* list, const void* item);

// Whole-list operations. New lists share the comparison; null when memory runs out.
// `fn` and `pred` must not change the list they are given.
GenericList* copy_list(GenericList* list);
void perform_on_list(GenericList* list, GenericListAction fn, void* arg);
void* first_that(GenericList* list, GenericListPredicate pred, void* arg);
void* last_that(GenericList* list, GenericListPredicate pred, void* arg);
void* next_that(GenericList* list, GenericListPredicate pred, void* arg);
void* previous_that(GenericList* list, GenericListPredicate pred, void* arg);
GenericList* all_such_that(GenericList* list, GenericListPredicate pred, void* arg);
void remove_all_such_that(GenericList* list, GenericListPredicate pred, void* arg);

#ifdef __cplusplus
}
#endif
