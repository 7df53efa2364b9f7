# The program directory image: what a user gets beside the programs, built into
# ${PROJECT_BINARY_DIR}/dist by the target vokan_demo_data (part of ALL).
#
#   env/   the engine's default list files: the hand-written ones copied from data/env,
#          replace.txt made from Debian's wordnet-base exception lists, with its notice
#   dic/   the demo dictionary made from Debian's dict-freedict-eng-jpn, edict,
#          dict-freedict-jpn-eng and wordnet-base, with its notice
#   sample/ an English sample document, as text and as HTML
#   env/level.txt, word levels made from Debian's scowl, with its notice, and an empty
#   env/known.txt
#
# Every file is made by one custom command with its inputs as dependencies, so a second
# build redoes nothing and a changed input redoes only what it feeds.

if(VOKAN_FUZZ)
  # Fuzzing builds harnesses only.
  return()
endif()

find_package(Python3 COMPONENTS Interpreter REQUIRED)

set(VOKAN_DIST_DIR ${PROJECT_BINARY_DIR}/dist)
set(VOKAN_FREEDICT_DIR /usr/share/dictd CACHE PATH
    "Directory of the dictd database freedict-eng-jpn (Debian: dict-freedict-eng-jpn)")
set(VOKAN_FREEDICT_COPYRIGHT /usr/share/doc/dict-freedict-eng-jpn/copyright CACHE FILEPATH
    "Debian copyright file of dict-freedict-eng-jpn")
set(VOKAN_WORDNET_DIR /usr/share/wordnet CACHE PATH
    "Directory of WordNet's exception lists (Debian: wordnet-base)")
set(VOKAN_WORDNET_COPYRIGHT /usr/share/doc/wordnet-base/copyright CACHE FILEPATH
    "Debian copyright file of wordnet-base")

# The other sources of the demo dictionary: JMdict/EDICT turned round into English
# headwords, JMdict's priority codes, WordNet's parts of speech and adverbs.
set(VOKAN_EDICT /usr/share/edict/edict CACHE FILEPATH "The EDICT file (Debian: edict)")
set(VOKAN_EDICT_COPYRIGHT /usr/share/doc/edict/copyright CACHE FILEPATH
    "Debian copyright file of edict")
set(VOKAN_JMDICT_COPYRIGHT /usr/share/doc/dict-freedict-jpn-eng/copyright CACHE FILEPATH
    "Debian copyright file of dict-freedict-jpn-eng")
set(jmdict_data ${VOKAN_FREEDICT_DIR}/freedict-jpn-eng.dict.dz)
set(wordnet_data
    ${VOKAN_WORDNET_DIR}/index.noun ${VOKAN_WORDNET_DIR}/index.verb ${VOKAN_WORDNET_DIR}/index.adj
    ${VOKAN_WORDNET_DIR}/index.adv ${VOKAN_WORDNET_DIR}/data.adj ${VOKAN_WORDNET_DIR}/data.adv
    ${VOKAN_WORDNET_DIR}/cntlist.rev)
set(dictionary_tools ${PROJECT_SOURCE_DIR}/tools/demo-data/make_dictionary.py
    ${PROJECT_SOURCE_DIR}/tools/demo-data/jmdict_source.py
    ${PROJECT_SOURCE_DIR}/tools/demo-data/wordnet_source.py
    ${PROJECT_SOURCE_DIR}/tools/demo-data/ranking.py
    ${PROJECT_SOURCE_DIR}/tools/demo-data/demo_common.py)

set(freedict_index ${VOKAN_FREEDICT_DIR}/freedict-eng-jpn.index)
set(freedict_data ${VOKAN_FREEDICT_DIR}/freedict-eng-jpn.dict.dz)
set(wordnet_lists
    ${VOKAN_WORDNET_DIR}/noun.exc ${VOKAN_WORDNET_DIR}/verb.exc
    ${VOKAN_WORDNET_DIR}/adj.exc ${VOKAN_WORDNET_DIR}/adv.exc)
foreach(source IN ITEMS ${freedict_index} ${freedict_data} ${VOKAN_FREEDICT_COPYRIGHT}
                        ${wordnet_lists} ${VOKAN_WORDNET_COPYRIGHT} ${wordnet_data}
                        ${VOKAN_EDICT} ${VOKAN_EDICT_COPYRIGHT} ${jmdict_data} ${VOKAN_JMDICT_COPYRIGHT})
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "The demo data needs ${source}: install the Debian packages "
                        "dict-freedict-eng-jpn, dict-freedict-jpn-eng, edict and wordnet-base "
                        "(tools/setup.sh does).")
  endif()
endforeach()

set(demo_data_tools ${PROJECT_SOURCE_DIR}/tools/demo-data)
set(demo_data_outputs "")

# Hand-written env/ files, copied from data/env.
set(VOKAN_ENV_FILES
    dict.txt
    ignore.txt
    symbol.txt
    style.css
    webdict.txt
    webwav.txt
    label.txt
)
set(VOKAN_SAMPLE_FILES
    sample.txt
    sample.html
)

function(vokan_dist_copy source dest)
  add_custom_command(
    OUTPUT ${VOKAN_DIST_DIR}/${dest}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VOKAN_DIST_DIR}/env ${VOKAN_DIST_DIR}/sample
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${VOKAN_DIST_DIR}/${dest}
    DEPENDS ${source}
    COMMENT "Copying ${dest}"
    VERBATIM)
endfunction()

foreach(name IN LISTS VOKAN_ENV_FILES)
  vokan_dist_copy(${PROJECT_SOURCE_DIR}/data/env/${name} env/${name})
  list(APPEND demo_data_outputs ${VOKAN_DIST_DIR}/env/${name})
endforeach()
foreach(name IN LISTS VOKAN_SAMPLE_FILES)
  vokan_dist_copy(${PROJECT_SOURCE_DIR}/data/sample/${name} sample/${name})
  list(APPEND demo_data_outputs ${VOKAN_DIST_DIR}/sample/${name})
endforeach()

# SCOWL's word lists (Debian: scowl): spellings for the dictionary, levels for env/level.txt.
set(VOKAN_SCOWL_DIR /usr/share/dict/scowl CACHE PATH
    "Directory of SCOWL's word lists (Debian: scowl)")
set(VOKAN_SCOWL_COPYRIGHT /usr/share/doc/scowl/copyright CACHE FILEPATH
    "Debian copyright file of scowl")
set(scowl_lists "")
foreach(size IN ITEMS 10 20 35)
  file(GLOB lists ${VOKAN_SCOWL_DIR}/english-*.${size} ${VOKAN_SCOWL_DIR}/american-*.${size})
  list(APPEND scowl_lists ${lists})
endforeach()
if(NOT EXISTS ${VOKAN_SCOWL_DIR}/english-words.10 OR NOT EXISTS ${VOKAN_SCOWL_COPYRIGHT})
  message(FATAL_ERROR "The demo data needs SCOWL's word lists in ${VOKAN_SCOWL_DIR} and "
                      "${VOKAN_SCOWL_COPYRIGHT}: install the Debian package scowl (tools/setup.sh does).")
endif()
# The spelling lists the dictionary's converter reads (sizes up to 50).
file(GLOB scowl_spellings ${VOKAN_SCOWL_DIR}/english-words.* ${VOKAN_SCOWL_DIR}/american-words.*)

add_custom_command(
  OUTPUT ${VOKAN_DIST_DIR}/dic/freedict-eng-jpn.txt
         ${VOKAN_DIST_DIR}/dic/freedict-eng-jpn.COPYING.txt
  COMMAND Python3::Interpreter ${demo_data_tools}/make_dictionary.py
          --index ${freedict_index}
          --dict ${freedict_data}
          --copyright ${VOKAN_FREEDICT_COPYRIGHT}
          --edict ${VOKAN_EDICT}
          --edict-copyright ${VOKAN_EDICT_COPYRIGHT}
          --jmdict ${jmdict_data}
          --jmdict-copyright ${VOKAN_JMDICT_COPYRIGHT}
          --wordnet ${VOKAN_WORDNET_DIR}
          --wordnet-copyright ${VOKAN_WORDNET_COPYRIGHT}
          --spellings ${VOKAN_SCOWL_DIR}
          --out ${VOKAN_DIST_DIR}/dic/freedict-eng-jpn.txt
          --notice ${VOKAN_DIST_DIR}/dic/freedict-eng-jpn.COPYING.txt
  DEPENDS ${dictionary_tools} ${freedict_index} ${freedict_data} ${VOKAN_FREEDICT_COPYRIGHT}
          ${VOKAN_EDICT} ${VOKAN_EDICT_COPYRIGHT} ${jmdict_data} ${VOKAN_JMDICT_COPYRIGHT}
          ${wordnet_data} ${VOKAN_WORDNET_COPYRIGHT} ${scowl_spellings}
  COMMENT "Making the demo dictionary dic/freedict-eng-jpn.txt (about 30 s)"
  VERBATIM)
list(APPEND demo_data_outputs
     ${VOKAN_DIST_DIR}/dic/freedict-eng-jpn.txt
     ${VOKAN_DIST_DIR}/dic/freedict-eng-jpn.COPYING.txt)

add_custom_command(
  OUTPUT ${VOKAN_DIST_DIR}/env/replace.txt ${VOKAN_DIST_DIR}/env/replace.COPYING.txt
  COMMAND Python3::Interpreter ${demo_data_tools}/make_replace.py
          --wordnet ${VOKAN_WORDNET_DIR}
          --copyright ${VOKAN_WORDNET_COPYRIGHT}
          --out ${VOKAN_DIST_DIR}/env/replace.txt
          --notice ${VOKAN_DIST_DIR}/env/replace.COPYING.txt
  DEPENDS ${demo_data_tools}/make_replace.py ${demo_data_tools}/demo_common.py ${wordnet_lists} ${VOKAN_WORDNET_COPYRIGHT}
  COMMENT "Making env/replace.txt"
  VERBATIM)
list(APPEND demo_data_outputs
     ${VOKAN_DIST_DIR}/env/replace.txt ${VOKAN_DIST_DIR}/env/replace.COPYING.txt)

# Word levels: env/level.txt from Debian's scowl, with its notice; and the learner's own
# known words, env/known.txt, shipped empty.
add_custom_command(
  OUTPUT ${VOKAN_DIST_DIR}/env/level.txt ${VOKAN_DIST_DIR}/env/level.COPYING.txt
  COMMAND Python3::Interpreter ${demo_data_tools}/make_levels.py
          --scowl ${VOKAN_SCOWL_DIR}
          --copyright ${VOKAN_SCOWL_COPYRIGHT}
          --out ${VOKAN_DIST_DIR}/env/level.txt
          --notice ${VOKAN_DIST_DIR}/env/level.COPYING.txt
  DEPENDS ${demo_data_tools}/make_levels.py ${demo_data_tools}/demo_common.py ${scowl_lists} ${VOKAN_SCOWL_COPYRIGHT}
  COMMENT "Making env/level.txt"
  VERBATIM)
add_custom_command(
  OUTPUT ${VOKAN_DIST_DIR}/env/known.txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VOKAN_DIST_DIR}/env
  COMMAND ${CMAKE_COMMAND} -E touch ${VOKAN_DIST_DIR}/env/known.txt
  COMMENT "Making an empty env/known.txt"
  VERBATIM)
list(APPEND demo_data_outputs
     ${VOKAN_DIST_DIR}/env/level.txt ${VOKAN_DIST_DIR}/env/level.COPYING.txt ${VOKAN_DIST_DIR}/env/known.txt)

add_custom_target(vokan_demo_data ALL DEPENDS ${demo_data_outputs})

# The dictionary converter's rules, on small inputs written in the test (native tree only).
if(NOT CMAKE_CROSSCOMPILING)
  add_test(NAME demo_dictionary_rules
           COMMAND Python3::Interpreter -m unittest -v test_make_dictionary
           WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/tests/demo-data)
  set_tests_properties(demo_dictionary_rules PROPERTIES
                       ENVIRONMENT "PYTHONPATH=${demo_data_tools};PYTHONDONTWRITEBYTECODE=1" TIMEOUT 60)
endif()
