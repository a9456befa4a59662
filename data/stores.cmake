# The word and clue files shipped beside the programs:
#   cestina.slv   Czech dictionary built from the hunspell-cs word list
#   kriz.dat      the built-in crossword words: the abbreviations and symbols of
#                 the same list that cestina.slv does not hold, scrambled
#   krizleg.dat   the built-in clues of krizleg.txt, scrambled
#   osmslov.sav   the word-search dictionary choice: cestina
#   krislov.sav   the crossword dictionary choice: cestina
set(hunspell_dic /usr/share/hunspell/cs_CZ.dic)
set(program_dir ${GRILPAD_PROGRAM_DIR})

if(EXISTS ${hunspell_dic})
  add_custom_command(
    OUTPUT ${program_dir}/cestina.slv ${program_dir}/kriz.dat
    COMMAND tool_build_dictionary ${hunspell_dic} ${program_dir}/cestina.slv ${program_dir}/kriz.dat
    DEPENDS tool_build_dictionary ${hunspell_dic}
    COMMENT "Building the Czech dictionary cestina.slv and the crossword words kriz.dat"
    VERBATIM)
else()
  add_custom_command(
    OUTPUT ${program_dir}/cestina.slv ${program_dir}/kriz.dat
    COMMAND ${CMAKE_COMMAND} -E echo
            "${hunspell_dic} is missing: install the package hunspell-cs (./setup.sh installs it)"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()

add_custom_command(
  OUTPUT ${program_dir}/krizleg.dat
  COMMAND tool_scramble_lines --from-utf8 ${CMAKE_CURRENT_SOURCE_DIR}/krizleg.txt ${program_dir}/krizleg.dat
  DEPENDS tool_scramble_lines ${CMAKE_CURRENT_SOURCE_DIR}/krizleg.txt
  COMMENT "Building the built-in clues krizleg.dat"
  VERBATIM)

# Both choice files name the shipped dictionary. They are copied only when missing
# or older than their source, so a choice the user saved stays.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/cestina.sav CONTENT "cestina\n" NEWLINE_STYLE CRLF)
foreach(choice osmslov.sav krislov.sav)
  add_custom_command(
    OUTPUT ${program_dir}/${choice}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_BINARY_DIR}/cestina.sav ${program_dir}/${choice}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/cestina.sav
    VERBATIM)
endforeach()

target_sources(shipped_data PRIVATE
  ${program_dir}/cestina.slv ${program_dir}/kriz.dat ${program_dir}/krizleg.dat
  ${program_dir}/osmslov.sav ${program_dir}/krislov.sav)

# An empty user clue file, so the first use of clues finds one; created only
# when missing, never over the clues the user has gathered.
add_custom_command(
  OUTPUT ${program_dir}/legendy.sav
  COMMAND ${CMAKE_COMMAND} -E touch ${program_dir}/legendy.sav
  VERBATIM)
target_sources(shipped_data PRIVATE ${program_dir}/legendy.sav)
