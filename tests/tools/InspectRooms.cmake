# zf61-inspect's rooms on a hand-made drawing: a square split in two by a wall that meets it in
# mid-line, and a second square whose last wall stops 0.5 short of its corner.
function(count_items expected)
  execute_process(COMMAND ${INSPECT} ${DRAWING} ${ARGN} OUTPUT_VARIABLE json RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "zf61-inspect ${ARGN}: exit code ${rc}")
  endif()
  string(JSON count LENGTH "${json}")
  if(NOT count EQUAL expected)
    message(FATAL_ERROR "zf61-inspect ${ARGN}: ${count} items, expected ${expected}\n${json}")
  endif()
endfunction()

count_items(1 --regions 24)                    # the closed chain of the first square only
count_items(2 --regions 24 --rooms)            # both halves of the first square
count_items(3 --regions 24 --rooms --gap 1)    # and the second square, its gap joined
count_items(2 --open-ends)                     # the two ends of the gap
count_items(0 --open-ends --gap 1)

# A picture four times finer than its area.
execute_process(COMMAND ${INSPECT} ${DRAWING} --picture 30 20 ${OUTPUT} --rooms --magnify 4
  RESULT_VARIABLE rc)
file(READ ${OUTPUT} header LIMIT 26 HEX)
string(SUBSTRING "${header}" 36 8 width)
if(NOT rc EQUAL 0 OR NOT width STREQUAL "78000000")
  message(FATAL_ERROR "--magnify 4: exit code ${rc}, width field ${width}, expected 120")
endif()
